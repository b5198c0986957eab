#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text files and serial input carry one byte per character in the Windows-1252 code page,
// the one-byte code page such files are written in. The five bytes that code page leaves
// unassigned map to the control character of the same value, so every byte has exactly one
// character and the round trip bytes -> text -> bytes is exact.
namespace codepage {

QChar toChar(unsigned char byte);
QString toText(QByteArrayView bytes);

// The byte of a character; false when the code page has none for it.
bool toByte(QChar ch, char* byte);

// Encodes text; returns false (and the first character without a byte in *unmapped) when
// the text cannot be stored one byte per character.
bool toBytes(const QString& text, QByteArray* bytes, QChar* unmapped = nullptr);

// Appends the bytes of text the program received or stored, where every character has one;
// a character without one (never received) stands as SUB, 0x1A.
void appendBytes(QStringView text, QByteArray* bytes);

}  // namespace codepage
