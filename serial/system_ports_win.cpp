#include "serial/port_map.h"

// Port n is the system's own COMn (\\.\COMn, as QSerialPort opens it), whether it exists
// now or not: an adapter plugged in later keeps its number.
PortMap PortMap::fromSystem()
{
    QStringList devices;
    for (int number = 1; number <= 255; ++number)
        devices << QStringLiteral("COM%1").arg(number);
    return PortMap(devices);
}
