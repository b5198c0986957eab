// wirelark-i2c: Wireshark's extcap for the bus probe. Wireshark lists each port Wirelark
// finds as a capture interface and, when one is picked, runs this to capture from it: the
// watch of wirelark-scan with --pcap into Wireshark's fifo, until Wireshark stops it.
#include "serial/port_map.h"
#include "tools/scan/live_watch.h"
#include "wirelark_version.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr char kInterfacePrefix[] = "wirelark-COM";

// The value of an option given as --name VALUE or --name=VALUE.
QString valueOf(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == name && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(name + QLatin1Char('=')))
            return arguments[i].mid(name.size() + 1);
    }
    return {};
}

void listInterfaces(const PortMap& ports)
{
    std::printf("extcap {version=%s}{help=man:wirelark-scan(1)}\n", kProductVersion);
    for (qsizetype i = 0; i < ports.devices().size(); ++i) {
        std::printf("interface {value=%s%lld}{display=I2C bus probe on %s}\n", kInterfacePrefix,
                    static_cast<long long>(i + 1), qPrintable(ports.devices()[i]));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const PortMap ports = PortMap::fromSystem();
    if (arguments.contains(QStringLiteral("--extcap-interfaces"))) {
        listInterfaces(ports);
        return 0;
    }
    const QString interface = valueOf(arguments, QStringLiteral("--extcap-interface"));
    if (arguments.contains(QStringLiteral("--extcap-dlts"))) {
        std::printf("dlt {number=209}{name=I2C_LINUX}{display=I2C (Linux)}\n");
        return 0;
    }
    if (arguments.contains(QStringLiteral("--extcap-config")))
        return 0;  // nothing to set: the probe's line settings are fixed
    if (!arguments.contains(QStringLiteral("--capture"))) {
        std::fputs("wirelark-i2c: a Wireshark extcap; Wireshark runs it (see wirelark-scan(1))\n", stderr);
        return 2;
    }
    const QString number = interface.startsWith(QLatin1String(kInterfacePrefix))
                               ? interface.mid(int(qstrlen(kInterfacePrefix)))
                               : QString();
    ScanOptions options;
    options.port = ports.device(number.toInt());
    options.pcap = valueOf(arguments, QStringLiteral("--fifo"));
    options.pcapPipe = true;
    options.force = true;
    options.reconnect = true;
    if (options.port.isEmpty() || options.pcap.isEmpty()) {
        std::fprintf(stderr, "wirelark-i2c: no such interface \"%s\", or no --fifo\n", qPrintable(interface));
        return 2;
    }
    return LiveWatch(options, {}).run();
}
