#include "serial/line_settings.h"

#include <QStringList>

namespace {

std::optional<QSerialPort::Parity> parityOf(const QString& field)
{
    if (field.size() != 1)
        return std::nullopt;
    switch (field[0].toLower().unicode()) {
    case 'n': return QSerialPort::NoParity;
    case 'e': return QSerialPort::EvenParity;
    case 'o': return QSerialPort::OddParity;
    case 'm': return QSerialPort::MarkParity;
    case 's': return QSerialPort::SpaceParity;
    default: return std::nullopt;
    }
}

std::optional<QSerialPort::DataBits> dataBitsOf(const QString& field)
{
    if (field == QLatin1String("5")) return QSerialPort::Data5;
    if (field == QLatin1String("6")) return QSerialPort::Data6;
    if (field == QLatin1String("7")) return QSerialPort::Data7;
    if (field == QLatin1String("8")) return QSerialPort::Data8;
    return std::nullopt;
}

std::optional<QSerialPort::StopBits> stopBitsOf(const QString& field)
{
    if (field == QLatin1String("1")) return QSerialPort::OneStop;
    if (field == QLatin1String("1.5")) return QSerialPort::OneAndHalfStop;
    if (field == QLatin1String("2")) return QSerialPort::TwoStop;
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
