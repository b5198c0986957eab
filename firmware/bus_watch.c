#include "bus_watch.h"

#include "ring.h"
#include "uart.h"

#include <avr/io.h>
#include <stdbool.h>
#include <stdint.h>

#define SCL _BV(PC5)
#define SDA _BV(PC4)

/* Where the watcher stands: outside a transaction (before the first START it saw, after a
 * STOP), or inside one, with the bits of the byte going on. */
static bool inside;
static uint8_t bits;  /* clocks since the byte began: 0 to 8, the ninth is the answer */
static uint8_t byte;

static const char hex_digits[16] = "0123456789ABCDEF";

void bus_watch_listen(void)
{
    DDRC &= (uint8_t)~(SCL | SDA);
    PORTC &= (uint8_t)~(SCL | SDA); /* no pull-ups: the bus has its own */
}

/* A rising SCL: a data bit, or after eight of them the answer. */
static inline void clock_rose(uint8_t sda)
{
    if (!inside)
        return;
    if (bits < 8) {
        byte = (uint8_t)(byte << 1) | (sda ? 1u : 0u);
        ++bits;
        return;
    }
    const char text[3] = {hex_digits[byte >> 4], hex_digits[byte & 0x0f], sda ? 'n' : 'a'};
    ring_put(text, 3);
    bits = 0;
}

/* The one clock before a repeated START or a STOP belongs to it (SCL rises with SDA set up
 * for the condition); more than that were bits of a byte that the condition cut short. */
static inline bool byte_was_cut(void)
{
    return bits > 1;
}

static void start_seen(void)
{
    const bool cut = inside && byte_was_cut();
    const bool resumed = ring_resume_at_start();
    if (!inside)
        ring_put("s", 1);
    else if (cut && !resumed)
        ring_put("?r", 2);
    else
        ring_put("r", 1);
    inside = true;
    bits = 0;
}

static void stop_seen(void)
{
    if (inside) {
        if (byte_was_cut())
            ring_put("?p", 2);
        else
            ring_put("p", 1);
    }
    inside = false;
    bits = 0;
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
                clock_rose(now & SDA);
        } else if (now & SCL) {
            /* SDA changed while SCL was high: a START (falling) or a STOP (rising). */
            if (now & SDA)
                stop_seen();
            else
                start_seen();
        }
    }
}
