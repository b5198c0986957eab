#pragma once

#include <QByteArray>

#include <cstdint>
#include <random>

// I2C traffic as the bus probe writes it: "s" START, "r" repeated START, two upper-case hex
// digits per byte, "a" ACK, "n" NACK, "p" STOP; for example s90a00ar91a19a40np. Three
// simulated devices (an LM75 temperature sensor at 0x48, a 24C02 EEPROM at 0x50, a DS1307
// real-time clock at 0x68) answer in turn, now and then with a NACK. The same seed gives the
// same traffic.
class ProbeTraffic {
public:
    explicit ProbeTraffic(std::uint32_t seed) : m_random(seed) {}

    // One complete transaction, from its START to its STOP.
    QByteArray nextTransaction();
    // At least count characters of whole transactions.
    QByteArray generate(qsizetype count);

private:
    QByteArray temperatureRead();
    QByteArray eepromWrite();
    QByteArray eepromRead();
    QByteArray clockRead();
    int below(int limit);

    std::mt19937 m_random;
    int m_temperature = 0x19 * 2;  // half degrees: 25.0 °C
    int m_seconds = 0;
};
