#include "core/code_page.h"

#include <array>

namespace codepage {
namespace {

// Characters of the bytes 0x80 to 0x9F; the unassigned ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar toChar(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString toText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes)
        *out++ = toChar(static_cast<unsigned char>(byte));
    return text;
}

bool toByte(QChar ch, char* byte)
{
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        *byte = static_cast<char>(code);
        return true;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            *byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

void appendBytes(QStringView text, QByteArray* bytes)
{
    constexpr char kSubstitute = 0x1A;
    const qsizetype start = bytes->size();
    bytes->resize(start + text.size());
    char* out = bytes->data() + start;
    for (QChar ch : text) {
        if (!toByte(ch, out))
            *out = kSubstitute;
        ++out;
    }
}

bool toBytes(const QString& text, QByteArray* bytes, QChar* unmapped)
{
    bytes->resize(text.size());
    char* out = bytes->data();
    for (QChar ch : text) {
        if (!toByte(ch, out++)) {
            if (unmapped)
                *unmapped = ch;
            return false;
        }
    }
    return true;
}

}  // namespace codepage
