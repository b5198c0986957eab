#include "bus_watch.h"

#include "bus_text.h"
#include "uart.h"

#include <avr/io.h>
#include <stdint.h>

#define SCL _BV(PC5)
#define SDA _BV(PC4)

void bus_watch_listen(void)
{
    DDRC &= (uint8_t)~(SCL | SDA);
    PORTC &= (uint8_t)~(SCL | SDA); /* no pull-ups: the bus has its own */
}

/* Every look at the lines must come round well within SCL's shortest high and low times:
 * at 100 kHz the I2C standard allows 4.0 us high (64 cycles) and 4.7 us low (75 cycles).
 * The longest way round the loop (a byte and its answer into the ring, after a character
 * to the UART) stays within that; the benchmark (wirelark-probe-emu --bench) shows the
 * clocks at which it holds. */
void bus_watch_run(void)
{
    uint8_t last = PINC & (SCL | SDA);
    for (;;) {
        const uint8_t now = PINC & (SCL | SDA);
        if (now == last) {
            uart_send_next();
            continue;
        }
        const uint8_t changed = now ^ last;
        last = now;
        if (changed & SCL) {
            /* SDA may have changed in the same look: it is set up while SCL is low, so the
             * value seen with SCL's rise is the bit. */
            if (now & SCL)
                bus_text_clock_rose(now & SDA);
        } else if (now & SCL) {
            /* SDA changed while SCL was high: a START (falling) or a STOP (rising). */
            if (now & SDA)
                bus_text_stop();
            else
                bus_text_start();
        }
    }
}
