#include "core/pcapng_writer.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace pcapng {
namespace {

constexpr quint32 kSectionHeader = 0x0A0D0D0A;
constexpr quint32 kInterfaceDescription = 1;
constexpr quint32 kEnhancedPacket = 6;
constexpr quint32 kByteOrderMagic = 0x1A2B3C4D;
constexpr quint16 kOptionEnd = 0;
constexpr quint16 kOptionComment = 1;
constexpr quint16 kOptionInterfaceName = 2;
constexpr quint16 kOptionApplication = 4;

// Numbers of the blocks in this machine's byte order: the byte-order magic tells readers.
void put32(QByteArray& out, quint32 value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void put16(QByteArray& out, quint16 value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void pad(QByteArray& out)
{
    while (out.size() % 4 != 0)
        out += '\0';
}

void putOption(QByteArray& out, quint16 code, const QByteArray& value)
{
    if (value.isEmpty())
        return;
    put16(out, code);
    put16(out, static_cast<quint16>(std::min<qsizetype>(value.size(), 0xFFFF)));
    out += value.left(0xFFFF);
    pad(out);
}

// A block: its type, its body and options (already padded), and its length at both ends.
QByteArray block(quint32 type, const QByteArray& body)
{
    QByteArray out;
    const quint32 length = static_cast<quint32>(body.size() + 12);
    put32(out, type);
    put32(out, length);
    out += body;
    put32(out, length);
    return out;
}

// An enhanced packet block: the I2C pseudo-header, the bus bytes and a comment, written
// into room made once (a capture holds millions of them).
void appendRecord(QByteArray& out, qint64 timeUs, bool event, quint32 flags, QByteArrayView bytes,
                  QByteArrayView comment)
{
    comment = comment.first(std::min<qsizetype>(comment.size(), 0xFFFF));
    const qsizetype packet = 5 + bytes.size();
    const qsizetype padded = (packet + 3) / 4 * 4;
    const qsizetype commentPadded = (comment.size() + 3) / 4 * 4;
    const qsizetype options = comment.isEmpty() ? 0 : 4 + commentPadded + 4;
    const quint32 length = static_cast<quint32>(28 + padded + options + 4);
    const quint32 fixed[7] = {kEnhancedPacket, length, 0 /* the one interface */,
                              static_cast<quint32>(quint64(timeUs) >> 32),
                              static_cast<quint32>(quint64(timeUs) & 0xFFFFFFFF), static_cast<quint32>(packet),
                              static_cast<quint32>(packet)};
    const char pseudo[5] = {static_cast<char>(event ? 0x80 : 0x00),  // bus 0
                            static_cast<char>(flags >> 24), static_cast<char>(flags >> 16),
                            static_cast<char>(flags >> 8), static_cast<char>(flags)};
    const qsizetype start = out.size();
    out.resize(start + qsizetype(length));
    char* at = out.data() + start;
    const auto put = [&at](const void* from, qsizetype size) {
        if (size == 0)
            return;  // an event's bytes are empty, and may be no pointer at all
        std::memcpy(at, from, std::size_t(size));
        at += size;
    };
    const auto zeros = [&at](qsizetype size) {
        std::memset(at, 0, std::size_t(size));
        at += size;
    };
    put(fixed, sizeof fixed);
    put(pseudo, sizeof pseudo);
    put(bytes.data(), bytes.size());
    zeros(padded - packet);
    if (!comment.isEmpty()) {
        const quint16 option[2] = {kOptionComment, static_cast<quint16>(comment.size())};
        put(option, sizeof option);
        put(comment.data(), comment.size());
        zeros(commentPadded - comment.size());
        zeros(4);  // the end of the options
    }
    put(&length, sizeof length);
}

}  // namespace

QByteArray header(const QString& application, const QString& sectionComment, const QString& interfaceName)
{
    QByteArray section;
    put32(section, kByteOrderMagic);
    put16(section, 1);  // pcapng 1.0
    put16(section, 0);
    put32(section, 0xFFFFFFFF);  // section length: not known, written as it comes
    put32(section, 0xFFFFFFFF);
    putOption(section, kOptionComment, sectionComment.toUtf8());
    putOption(section, kOptionApplication, application.toUtf8());
    put16(section, kOptionEnd);
    put16(section, 0);

    QByteArray interface;
    put16(interface, kLinkTypeI2cLinux);
    put16(interface, 0);
    put32(interface, 0);  // no snapshot length: every byte is kept
    putOption(interface, kOptionInterfaceName, interfaceName.toUtf8());
    put16(interface, kOptionEnd);
    put16(interface, 0);
    return block(kSectionHeader, section) + block(kInterfaceDescription, interface);
}

void appendDataRecord(QByteArray& out, qint64 timeUs, bool read, QByteArrayView bytes, QByteArrayView comment)
{
    appendRecord(out, timeUs, false, read ? kFlagRead : 0, bytes, comment);
}

void appendEventRecord(QByteArray& out, qint64 timeUs, quint32 event, QByteArrayView comment)
{
    appendRecord(out, timeUs, true, event, {}, comment);
}

void appendTransactionRecords(QByteArray& out, const i2c::Transaction& transaction, qint64 timeUs)
{
    if (!transaction.malformed.isEmpty() || transaction.partial) {
        appendEventRecord(out, timeUs, 0, i2c::compactText(transaction).toUtf8());
        return;
    }
    // Kept on the stack: allocating them for each of millions of records cost more than the rest.
    QVarLengthArray<char, 64> bytes;
    QVarLengthArray<char, 128> notes;
    const auto append = [&notes](const char* text) { notes.append(text, qsizetype(std::strlen(text))); };
    const auto note = [&](const char* text, std::size_t number = 0) {
        if (!notes.isEmpty())
            append(", ");
        append(text);
        if (number > 0) {
            const QByteArray digits = QByteArray::number(qulonglong(number));
            notes.append(' ');
            notes.append(digits.constData(), digits.size());
        }
    };
    for (std::size_t s = 0; s < transaction.segments.size(); ++s) {
        const i2c::Segment& segment = transaction.segments[s];
        const bool last = s + 1 == transaction.segments.size();
        bytes.clear();
        notes.clear();
        if (segment.repeated)
            note("repeated START");
        if (segment.addressByte >= 0) {
            bytes.append(static_cast<char>(segment.addressByte));
            if (!segment.addressAnswered)
                note("address not answered");
            else if (!segment.addressAcked)
                note("address NACK");
        }
        for (std::size_t i = 0; i < segment.byteCount; ++i) {
            const std::size_t byte = segment.firstByte + i;
            bytes.append(static_cast<char>(transaction.data[byte]));
            if (!transaction.answered(byte)) {
                note("data byte", i + 1);
                append(" not answered");
            } else if (!transaction.acked(byte)) {
                note("data byte", i + 1);
                append(" NACK");
            }
        }
        if (last && transaction.stopped)
            note("STOP");
        if (last && transaction.open)
            note("still going at the end of the capture");
        // A START with no address byte after it carries no bus data.
        const QByteArrayView noted(notes.constData(), notes.size());
        if (bytes.isEmpty())
            appendEventRecord(out, timeUs, 0,
                              "START without an address" + (noted.isEmpty() ? QByteArray() : ", " + noted.toByteArray()));
        else
            appendDataRecord(out, timeUs, (segment.addressByte & 1) != 0, QByteArrayView(bytes.constData(), bytes.size()),
                             noted);
    }
}

}  // namespace pcapng
