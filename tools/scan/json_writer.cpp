#include "tools/scan/json_writer.h"

#include <QByteArrayList>

namespace {

// Text for JSON: quoted, with what JSON must escape escaped. Characters are UTF-8.
QByteArray jsonString(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static const char* const kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

QByteArray jsonNumber(qint64 value)
{
    return QByteArray::number(value);
}

const char* jsonBool(bool value)
{
    return value ? "true" : "false";
}

// A sound transaction's segments: addresses and bytes as numbers, the NACKed data bytes
// by their index in the segment.
QByteArray segmentsOf(const i2c::Transaction& transaction)
{
    QByteArrayList segments;
    for (const i2c::Segment& segment : transaction.segments) {
        QByteArray record = QByteArray("{\"start\":") + (segment.repeated ? "\"Sr\"" : "\"S\"");
        if (segment.addressByte >= 0) {
            record += ",\"address\":" + jsonNumber(segment.addressByte >> 1) + ",\"rw\":" +
                      ((segment.addressByte & 1) ? "\"R\"" : "\"W\"");
            if (segment.addressAnswered)
                record += QByteArray(",\"ack\":") + jsonBool(segment.addressAcked);
        }
        QByteArrayList data, nacked;
        for (std::size_t i = 0; i < segment.byteCount; ++i) {
            const std::size_t byte = segment.firstByte + i;
            data << jsonNumber(transaction.data[byte]);
            if (transaction.answered(byte) && !transaction.acked(byte))
                nacked << jsonNumber(static_cast<qint64>(i));
        }
        record += ",\"data\":[" + data.join(',') + "],\"nacked\":[" + nacked.join(',') + "]}";
        segments << record;
    }
    return "[" + segments.join(',') + "]";
}

}  // namespace

QByteArray& JsonWriter::begin(const char* type, double t)
{
    QByteArray& out = m_out.begin();
    out += "{\"type\":\"";
    out += type;
    out += "\",\"t\":" + QByteArray::number(t, 'f', 6);
    if (m_clock.utc)
        out += ",\"utc\":\"" + m_clock.stamp(t) + '"';
    return out;
}

bool JsonWriter::end()
{
    m_out.begin() += '}';
    return m_out.end();
}

bool JsonWriter::opened(const WatchOpened& opened)
{
    begin("open", opened.t) += ",\"port\":" + jsonString(opened.port) + ",\"device\":" + jsonString(opened.device) +
                               ",\"settings\":" + jsonString(opened.settings) + ",\"start\":" +
                               jsonString(opened.start);
    return end();
}

bool JsonWriter::fileBegun(const FileBegun& file)
{
    begin("file", file.t) += ",\"path\":" + jsonString(file.path);
    return end();
}

bool JsonWriter::hit(const HitFound& hit)
{
    QByteArray& out = begin("hit", hit.t);
    out += ",\"entry\":" + jsonNumber(hit.entry) + ",\"pattern\":" + jsonString(hit.pattern) +
           ",\"comment\":" + jsonString(hit.comment) + ",\"line\":" + jsonNumber(hit.line) +
           ",\"column\":" + jsonNumber(hit.column);
    if (!hit.file.isEmpty())
        out += ",\"file\":" + jsonString(hit.file);
    if (hit.offset >= 0)
        out += ",\"offset\":" + jsonNumber(hit.offset);
    return end();
}

bool JsonWriter::transaction(const i2c::Transaction& transaction, const QByteArray&)
{
    if (!m_transactions)
        return true;
    const i2c::Origin& origin = transaction.origin;
    QByteArray& out = begin("transaction", origin.seconds);
    out += ",\"line\":" + jsonNumber(origin.line) + ",\"column\":" + jsonNumber(origin.column);
    if (!transaction.malformed.isEmpty()) {
        out += ",\"malformed\":" + jsonString(transaction.malformed) + ",\"raw\":" + jsonString(transaction.raw);
    } else {
        if (transaction.partial)
            out += ",\"partial\":true,\"raw\":" + jsonString(transaction.raw);
        else
            out += ",\"segments\":" + segmentsOf(transaction);
        out += QByteArray(",\"stop\":") + jsonBool(transaction.stopped);
        if (transaction.open)
            out += ",\"open\":true";
    }
    return end();
}

bool JsonWriter::lost(const InputLost& lost)
{
    begin("loss", lost.t) += ",\"what\":" + jsonString(lost.what);
    return end();
}

bool JsonWriter::gone(const DeviceGone& gone)
{
    begin("gone", gone.t) += ",\"reason\":" + jsonString(gone.reason);
    return end();
}

bool JsonWriter::back(const DeviceBack& back)
{
    begin("back", back.t) += ",\"gap\":" + QByteArray::number(back.gap, 'f', 6);
    return end();
}

bool JsonWriter::deleted(const FileDeleted& deleted)
{
    begin("deleted", deleted.t) += ",\"path\":" + jsonString(deleted.path) + ",\"why\":" + jsonString(deleted.why);
    return end();
}

bool JsonWriter::givenUp(const OutputGivenUp& givenUp)
{
    begin("skipped", givenUp.t) += ",\"bytes\":" + jsonNumber(givenUp.bytes);
    return end();
}

bool JsonWriter::ended(const WatchEnded& ended)
{
    begin("end", ended.t) += ",\"reason\":" + jsonString(QString::fromLatin1(ended.reason)) +
                             ",\"hits\":" + jsonNumber(ended.hits) + ",\"received\":" + jsonNumber(ended.received) +
                             ",\"losses\":" + jsonNumber(ended.losses) + ",\"gaps\":" + jsonNumber(ended.gaps) +
                             ",\"status\":" + jsonNumber(ended.status);
    return end();
}
