#include "serial/port_map.h"

#include <QRegularExpression>
#include <QtGlobal>

#include <algorithm>

namespace {

// On-board ports before USB adapters; other kinds after them, by name.
int kindRank(const QString& prefix)
{
    static const QStringList kinds = {QStringLiteral("ttyS"), QStringLiteral("ttyUSB"),
                                      QStringLiteral("ttyACM")};
    const auto rank = kinds.indexOf(prefix);
    return rank < 0 ? static_cast<int>(kinds.size()) : static_cast<int>(rank);
}

struct DeviceName {
    QString prefix;
    qlonglong number = -1;  // -1: no trailing number
    QString path;
};

DeviceName split(const QString& path)
{
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)(\\d+)$"));
    const QString fileName = path.section(QLatin1Char('/'), -1);
    DeviceName name{fileName, -1, path};
    const auto match = trailingNumber.match(fileName);
    if (match.hasMatch()) {
        name.prefix = match.captured(1);
        name.number = match.captured(2).toLongLong();
    }
    return name;
}

}  // namespace

QStringList orderedSerialDevices(const QStringList& paths)
{
    std::vector<DeviceName> names;
    for (const QString& path : paths)
        names.push_back(split(path));
    std::sort(names.begin(), names.end(), [](const DeviceName& a, const DeviceName& b) {
        const int rankA = kindRank(a.prefix), rankB = kindRank(b.prefix);
        if (rankA != rankB)
            return rankA < rankB;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (a.number != b.number)
            return a.number < b.number;
        return a.path < b.path;
    });
    QStringList devices;
    for (const DeviceName& name : names)
        devices << name.path;
    return devices;
}

QStringList splitPortList(const QString& list)
{
    // A ":" followed by "/" begins the next path; any other ":" belongs to the path, as in
    // /dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0.
    QStringList paths;
    QString path;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const bool separator = list[i] == QLatin1Char(':')
                               && (i + 1 == list.size() || list[i + 1] == QLatin1Char('/'));
        if (!separator) {
            path += list[i];
            continue;
        }
        if (!path.isEmpty())
            paths << path;
        path.clear();
    }
    if (!path.isEmpty())
        paths << path;
    return paths;
}

QString PortMap::device(int number) const
{
    if (number < 1 || number > m_devices.size())
        return {};
    return m_devices[number - 1];
}
