#pragma once

#include <QString>
#include <QStringList>

// Which device a port number means (system_ports_win.cpp, system_ports_posix.cpp). On Windows
// COMn; elsewhere number n is the n-th serial device the system reports, on-board ports (ttyS)
// first, then USB adapters (ttyUSB, ttyACM), each in natural order of their numbers.
// WIRELARK_PORTS, a list of device paths separated by ":", replaces that list: COM1 is its
// first path. Set but naming no path, it counts as not set.
class PortMap {
public:
    explicit PortMap(QStringList devices) : m_devices(std::move(devices)) {}

    // The mapping of this system, read once: from WIRELARK_PORTS when set.
    static PortMap fromSystem();

    // Why a number may map to nothing, for a message: the numbers this system has.
    QString numbering() const;

    // The device of a port number; empty when the number maps to nothing.
    QString device(int number) const;
    const QStringList& devices() const { return m_devices; }

private:
    QStringList m_devices;
};

// The paths of a WIRELARK_PORTS list: a ":" separates two paths only where the next begins
// with "/", so paths that hold colons can be named; empty paths are dropped.
QStringList splitPortList(const QString& list);

// Device paths in the order the port numbers follow.
QStringList orderedSerialDevices(const QStringList& paths);
