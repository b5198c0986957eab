#include "serial/port_map.h"

// Port n is the system's own COMn (opened as \\.\COMn), whether it exists
// now or not: an adapter plugged in later keeps its number.
PortMap PortMap::fromSystem()
{
    QStringList devices;
    for (int number = 1; number <= 255; ++number)
        devices << QStringLiteral("COM%1").arg(number);
    return PortMap(devices);
}

QString PortMap::numbering() const
{
    return QStringLiteral("Windows numbers serial ports COM1 to COM%1").arg(m_devices.size());
}
