#pragma once

#include <QString>

#include <optional>

// The bus probe's fixed line settings: 115200 baud, no parity, 8 data bits, 1 stop bit.
inline const QString kProbeLineSettings = QStringLiteral("115200,n,8,1");
// Characters a second at those settings: 10 bits each.
inline constexpr int kProbeLineRate = 11520;

// "baud,parity,data bits,stop bits" as the component's Settings takes it, e.g. "115200,n,8,1".
// The serial layer's own words for them: each system's reader turns them into its own.
struct LineSettings {
    enum class Parity { None, Even, Odd, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    qint32 baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;  // 5 to 8
    StopBits stopBits = StopBits::One;
};

// Parity n, e, o, m, s (either case); data bits 5 to 8; stop bits 1, 1.5 or 2. Anything
// else, or a missing or extra field, gives nothing.
std::optional<LineSettings> parseLineSettings(const QString& text);
