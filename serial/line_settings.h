#pragma once

#include <QSerialPort>
#include <QString>

#include <optional>

// The bus probe's fixed line settings: 115200 baud, no parity, 8 data bits, 1 stop bit.
inline const QString kProbeLineSettings = QStringLiteral("115200,n,8,1");
// Characters a second at those settings: 10 bits each.
inline constexpr int kProbeLineRate = 11520;

// "baud,parity,data bits,stop bits" as the component's Settings takes it, e.g. "115200,n,8,1".
struct LineSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// Parity n, e, o, m, s (either case); data bits 5 to 8; stop bits 1, 1.5 or 2. Anything
// else, or a missing or extra field, gives nothing.
std::optional<LineSettings> parseLineSettings(const QString& text);
