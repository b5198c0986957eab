/* Wirelark's bus probe: an ATmega328P at 16 MHz (Arduino Nano or Uno) that listens to an I2C
 * bus on A5 (SCL) and A4 (SDA) and sends what it sees over its serial line in Wirelark's
 * text: s START, r repeated START, a byte as two hex digits with a (ACK) or n (NACK), p
 * STOP; ! where the line could not carry the bus and transactions were dropped, ? where a
 * START or STOP cut a byte short. */
#include "bus_watch.h"
#include "uart.h"

int main(void)
{
    bus_watch_listen();
    uart_init();
    bus_watch_run();
}
