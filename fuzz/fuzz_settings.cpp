// The serial component's Settings parser: any text; what it accepts must read back the same
// when written in its canonical form.
#include "serial/line_settings.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString canonical(const LineSettings& settings)
{
    const char* parity = "neoms";
    const int parityIndex = static_cast<int>(settings.parity);
    const QString stop = settings.stopBits == LineSettings::StopBits::One          ? QStringLiteral("1")
                         : settings.stopBits == LineSettings::StopBits::OneAndHalf ? QStringLiteral("1.5")
                                                                                   : QStringLiteral("2");
    return QStringLiteral("%1,%2,%3,%4")
        .arg(settings.baudRate)
        .arg(QLatin1Char(parity[parityIndex]))
        .arg(int(settings.dataBits))
        .arg(stop);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<LineSettings> settings = parseLineSettings(text);
    if (!settings)
        return 0;
    if (settings->baudRate <= 0 || settings->dataBits < 5 || settings->dataBits > 8)
        std::abort();
    const std::optional<LineSettings> again = parseLineSettings(canonical(*settings));
    if (!again || again->baudRate != settings->baudRate || again->parity != settings->parity ||
        again->dataBits != settings->dataBits || again->stopBits != settings->stopBits)
        std::abort();
    return 0;
}
