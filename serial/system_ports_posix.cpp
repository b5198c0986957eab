#include "serial/port_map.h"

#include <QSerialPortInfo>

// Port n is the n-th serial device the system reports, unless WIRELARK_PORTS names them.
PortMap PortMap::fromSystem()
{
    const QStringList configured = splitPortList(QString::fromLocal8Bit(qgetenv("WIRELARK_PORTS")));
    if (!configured.isEmpty())
        return PortMap(configured);
    QStringList paths;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        paths << port.systemLocation();
    return PortMap(orderedSerialDevices(paths));
}

QString PortMap::numbering() const
{
    return QStringLiteral("this system has %1 serial ports; WIRELARK_PORTS names others").arg(m_devices.size());
}
