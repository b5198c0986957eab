#include "core/pcapng_writer.h"

#include <QStringList>

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

QByteArray record(qint64 timeUs, const QByteArray& packet, const QString& comment)
{
    QByteArray body;
    put32(body, 0);  // the one interface
    put32(body, static_cast<quint32>(quint64(timeUs) >> 32));
    put32(body, static_cast<quint32>(quint64(timeUs) & 0xFFFFFFFF));
    put32(body, static_cast<quint32>(packet.size()));
    put32(body, static_cast<quint32>(packet.size()));
    body += packet;
    pad(body);
    if (!comment.isEmpty()) {
        putOption(body, kOptionComment, comment.toUtf8());
        put16(body, kOptionEnd);
        put16(body, 0);
    }
    return block(kEnhancedPacket, body);
}

QByteArray pseudoHeader(bool event, quint32 flags)
{
    QByteArray out;
    out += static_cast<char>(event ? 0x80 : 0x00);  // bus 0
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((flags >> shift) & 0xFF);
    return out;
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

QByteArray dataRecord(qint64 timeUs, bool read, QByteArrayView bytes, const QString& comment)
{
    return record(timeUs, pseudoHeader(false, read ? kFlagRead : 0) + bytes.toByteArray(), comment);
}

QByteArray eventRecord(qint64 timeUs, quint32 event, const QString& comment)
{
    return record(timeUs, pseudoHeader(true, event), comment);
}

QByteArray transactionRecords(const i2c::Transaction& transaction, qint64 timeUs)
{
    if (!transaction.malformed.isEmpty() || transaction.partial)
        return eventRecord(timeUs, 0, i2c::compactText(transaction));
    QByteArray out;
    for (std::size_t s = 0; s < transaction.segments.size(); ++s) {
        const i2c::Segment& segment = transaction.segments[s];
        const bool last = s + 1 == transaction.segments.size();
        QStringList notes;
        if (segment.repeated)
            notes << QStringLiteral("repeated START");
        if (segment.addressByte >= 0 && segment.addressAnswered && !segment.addressAcked)
            notes << QStringLiteral("address NACK");
        if (segment.addressByte >= 0 && !segment.addressAnswered)
            notes << QStringLiteral("address not answered");
        QByteArray bytes;
        if (segment.addressByte >= 0)
            bytes += static_cast<char>(segment.addressByte);
        for (std::size_t i = 0; i < segment.byteCount; ++i) {
            const std::size_t byte = segment.firstByte + i;
            bytes += static_cast<char>(transaction.data[byte]);
            if (!transaction.answered(byte))
                notes << QStringLiteral("data byte %1 not answered").arg(i + 1);
            else if (!transaction.acked(byte))
                notes << QStringLiteral("data byte %1 NACK").arg(i + 1);
        }
        if (last && transaction.stopped)
            notes << QStringLiteral("STOP");
        if (last && transaction.open)
            notes << QStringLiteral("still going at the end of the capture");
        const QString comment = notes.join(QStringLiteral(", "));
        // A START with no address byte after it carries no bus data.
        out += bytes.isEmpty() ? eventRecord(timeUs, 0, QStringLiteral("START without an address") +
                                                            (comment.isEmpty() ? QString() : ", " + comment))
                               : dataRecord(timeUs, (segment.addressByte & 1) != 0, bytes, comment);
    }
    return out;
}

}  // namespace pcapng
