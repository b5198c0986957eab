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
    /* SCL's pin-change flag, without its interrupt: it shows a clock edge that came and
     * went between two looks at the lines. */
    PCMSK1 = _BV(PCINT13);
    PCIFR = _BV(PCIF1);
}

/* Every look at the lines must come round well within SCL's shortest high and low times:
 * at 100 kHz the I2C standard allows 4.0 us high (64 cycles) and 4.7 us low (75 cycles).
 * The longest way round the loop (a byte and its answer into the ring, after a character
 * to the UART) stays within that; the benchmark (wirelark-probe-emu --bench) shows the
 * clocks at which it holds. */
void bus_watch_run(void)
{
    uint8_t last = PINC & (SCL | SDA);
    PCIFR = _BV(PCIF1); /* edges before the first look are no loss */
    for (;;) {
        /* The flag is read before the lines: set while SCL looks as it did, it means SCL went
         * and came back unseen, on a bus faster than this loop follows. */
        const uint8_t edged = PCIFR & _BV(PCIF1);
        const uint8_t now = PINC & (SCL | SDA);
        if (now == last) {
            if (edged) {
                PCIFR = _BV(PCIF1);
                bus_text_lost();
            }
            uart_send_next();
            continue;
        }
        PCIFR = _BV(PCIF1);
        const uint8_t changed = now ^ last;
        last = now;
        if (changed & SCL) {
            /* SDA may have changed in the same look: it is set up while SCL is low, so the
             * value seen with SCL's rise is the bit. */
            if (now & SCL)
                bus_text_clock_rose(now & SDA);
        } else if (edged) {
            /* SDA changed and a clock went by unseen: neither a bit nor a condition known. */
            bus_text_lost();
        } else if (now & SCL) {
            /* SDA changed while SCL was high: a START (falling) or a STOP (rising). */
            if (now & SDA)
                bus_text_stop();
            else
                bus_text_start();
        }
    }
}
