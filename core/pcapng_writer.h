#pragma once

#include "core/transaction_decoder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// I2C transactions as Wireshark reads them: pcapng with one interface of link type
// LINKTYPE_I2C_LINUX (209). Each record is a 5-byte pseudo-header (the bus number in bits
// 0-6 of the first byte, bit 7 set for a controller event; then 32 bits of flags, big-endian:
// for data I2C_M_RD in bit 0, for an event the event's bits) and, for data, the address byte
// as it went on the bus followed by the data bytes. What the link type cannot hold (a NACK,
// a STOP, a repeated START, a transaction still open, text that breaks the probe's grammar)
// goes into the record's comment, which Wireshark shows and frame.comment filters.
namespace pcapng {

// Link type and the event bits of the I2C pseudo-header that a capture of the probe uses.
constexpr quint16 kLinkTypeI2cLinux = 209;
constexpr quint32 kEventAttachedOn = 1u << 4;   // the device came back
constexpr quint32 kEventAttachedOff = 1u << 5;  // the device went away
constexpr quint32 kEventOverflow = 1u << 8;     // "some data is lost"
constexpr quint32 kFlagRead = 0x1;

// The start of a file: the section header (application, and a comment on what the times
// mean) and the interface (its name: the port or the log).
QByteArray header(const QString& application, const QString& sectionComment, const QString& interfaceName);

// One record of data, appended: read or write, the address byte and data bytes.
void appendDataRecord(QByteArray& out, qint64 timeUs, bool read, QByteArrayView bytes, QByteArrayView comment);
// One controller event, appended (for a record that carries no bus data, its bits are 0).
void appendEventRecord(QByteArray& out, qint64 timeUs, quint32 event, QByteArrayView comment);

// The records of a transaction, appended: one per START or repeated START segment, as
// Wireshark shows a write-then-read; text that is not a sound transaction is one event
// record whose comment holds it as --decode shows it. Comments are UTF-8.
void appendTransactionRecords(QByteArray& out, const i2c::Transaction& transaction, qint64 timeUs);

}  // namespace pcapng
