#include "serial/line_settings.h"

#include <QStringList>

#include <algorithm>

namespace {

using Parity = LineSettings::Parity;
using StopBits = LineSettings::StopBits;

std::optional<Parity> parityOf(const QString& field)
{
    if (field.size() != 1)
        return std::nullopt;
    switch (field[0].toLower().unicode()) {
    case 'n': return Parity::None;
    case 'e': return Parity::Even;
    case 'o': return Parity::Odd;
    case 'm': return Parity::Mark;
    case 's': return Parity::Space;
    default: return std::nullopt;
    }
}

std::optional<int> dataBitsOf(const QString& field)
{
    for (int bits = 5; bits <= 8; ++bits) {
        if (field == QString::number(bits))
            return bits;
    }
    return std::nullopt;
}

std::optional<StopBits> stopBitsOf(const QString& field)
{
    if (field == QLatin1String("1")) return StopBits::One;
    if (field == QLatin1String("1.5")) return StopBits::OneAndHalf;
    if (field == QLatin1String("2")) return StopBits::Two;
    return std::nullopt;
}

}  // namespace

std::optional<LineSettings> parseLineSettings(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    bool numeric = false;
    const QString& baudField = fields[0].trimmed();
    const qint32 baud = baudField.toInt(&numeric);
    const bool digitsOnly = !baudField.isEmpty() &&
        std::all_of(baudField.begin(), baudField.end(), [](QChar c) { return c.isDigit(); });
    if (!numeric || !digitsOnly || baud <= 0)
        return std::nullopt;
    const auto parity = parityOf(fields[1].trimmed());
    const auto dataBits = dataBitsOf(fields[2].trimmed());
    const auto stopBits = stopBitsOf(fields[3].trimmed());
    if (!parity || !dataBits || !stopBits)
        return std::nullopt;
    return LineSettings{baud, *parity, *dataBits, *stopBits};
}
