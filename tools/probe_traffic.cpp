#include "tools/probe_traffic.h"

namespace {

QByteArray hex(int byte)
{
    return QByteArray::number(byte & 0xFF, 16).toUpper().rightJustified(2, '0');
}

// A byte on the bus followed by the receiver's acknowledge bit.
QByteArray sent(int byte, bool ack = true)
{
    return hex(byte) + (ack ? "a" : "n");
}

int bcd(int value)
{
    return (value / 10) * 16 + value % 10;
}

}  // namespace

int ProbeTraffic::below(int limit)
{
    return std::uniform_int_distribution<int>(0, limit - 1)(m_random);
}

QByteArray ProbeTraffic::nextTransaction()
{
    switch (below(10)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return temperatureRead();
    case 4:
    case 5:
        return eepromRead();
    case 6:
        return eepromWrite();
    default:
        return clockRead();
    }
}

QByteArray ProbeTraffic::generate(qsizetype count)
{
    QByteArray text;
    text.reserve(count + 64);
    while (text.size() < count)
        text += nextTransaction();
    return text;
}

QByteArray ProbeTraffic::temperatureRead()
{
    m_temperature = std::clamp(m_temperature + below(3) - 1, -110, 250);
    // The register holds the half degrees in its upper nine bits, in two's complement.
    const int raw = static_cast<int>((static_cast<unsigned>(m_temperature) << 7) & 0xFFFFu);
    // Pointer to the temperature register, then two bytes read; the master NACKs the last.
    return "s" + sent(0x90) + sent(0x00) + "r" + sent(0x91) + sent(raw >> 8) + sent(raw, false) + "p";
}

QByteArray ProbeTraffic::eepromWrite()
{
    if (below(4) == 0)
        return "s" + sent(0xA0, false) + "p";  // still busy with the last write cycle
    QByteArray text = "s" + sent(0xA0) + sent(below(256));
    const int bytes = 1 + below(4);
    for (int i = 0; i < bytes; ++i)
        text += sent(below(256));
    return text + "p";
}

QByteArray ProbeTraffic::eepromRead()
{
    QByteArray text = "s" + sent(0xA0) + sent(below(256)) + "r" + sent(0xA1);
    const int bytes = 1 + below(4);
    for (int i = 0; i < bytes; ++i)
        text += sent(below(256), i + 1 < bytes);
    return text + "p";
}

QByteArray ProbeTraffic::clockRead()
{
    m_seconds = (m_seconds + 1) % (24 * 3600);
    const int registers[] = {bcd(m_seconds % 60), bcd(m_seconds / 60 % 60), bcd(m_seconds / 3600),
                             0x01, 0x07, 0x12, 0x26};
    QByteArray text = "s" + sent(0xD0) + sent(0x00) + "r" + sent(0xD1);
    for (int i = 0; i < 7; ++i)
        text += sent(registers[i], i < 6);
    return text + "p";
}
