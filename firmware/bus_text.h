/* The probe's text for what it sees on the bus, the same on every chip: s START, r repeated
 * START, a byte as two hex digits with a (ACK) or n (NACK), p STOP, ? where a START or STOP
 * cut a byte short or the watcher lost the bus. Each chip's watcher hands it the bus's events as it sees them: a rising
 * SCL with the level of SDA, a START, a STOP. What it makes goes into the ring. Included by
 * one file of each firmware, which keeps the state. */
#ifndef WIRELARK_PROBE_BUS_TEXT_H
#define WIRELARK_PROBE_BUS_TEXT_H

#include "ring.h"

#include <stdbool.h>
#include <stdint.h>

/* Where the watcher stands: outside a transaction (before the first START it saw, after a
 * STOP), or inside one, with the bits of the byte going on. */
static bool bus_inside;
static bool bus_lost; /* inside a transaction whose bits since a "?" are not known */
/* Transactions still to be marked after the watcher lost the bus: on a bus faster than it
 * follows, what looks like a START or STOP may be none, so the next ones are doubtful too. */
static uint8_t bus_doubtful;
#define BUS_DOUBTFUL_AFTER_LOSS 8u
static uint8_t bus_bits; /* clocks since the byte began: 0 to 8, the ninth is the answer */
static uint8_t bus_byte;

static const char bus_hex_digits[16] = "0123456789ABCDEF";

/* A rising SCL: a data bit, or after eight of them the answer. */
static inline void bus_text_clock_rose(bool sda)
{
    if (!bus_inside)
        return;
    if (bus_bits < 8) {
        bus_byte = (uint8_t)(bus_byte << 1) | (sda ? 1u : 0u);
        ++bus_bits;
        return;
    }
    const char text[3] = {bus_hex_digits[bus_byte >> 4], bus_hex_digits[bus_byte & 0x0f], sda ? 'n' : 'a'};
    ring_put(text, 3);
    bus_bits = 0;
}

/* The one clock before a repeated START or a STOP belongs to it (SCL rises with SDA set up
 * for the condition); more than that were bits of a byte that the condition cut short. */
static inline bool bus_byte_was_cut(void)
{
    return bus_bits > 1;
}

static inline void bus_text_start(void)
{
    const bool cut = bus_inside && bus_byte_was_cut();
    const bool resumed = ring_resume_at_start();
    if (bus_lost) {
        ring_put("r", 1); /* a START inside the transaction that was lost track of */
    } else if (!bus_inside && bus_doubtful > 0) {
        ring_put("s?", 2); /* a transaction soon after a loss: its START may be none */
        --bus_doubtful;
    } else if (!bus_inside) {
        ring_put("s", 1);
    } else if (cut && !resumed) {
        ring_put("?r", 2);
    } else {
        ring_put("r", 1);
    }
    bus_inside = true;
    bus_lost = false;
    bus_bits = 0;
}

static inline void bus_text_stop(void)
{
    if (bus_lost) {
        ring_put("p", 1);
    } else if (bus_inside) {
        if (bus_byte_was_cut())
            ring_put("?p", 2);
        else
            ring_put("p", 1);
    }
    bus_inside = false;
    bus_lost = false;
    bus_bits = 0;
}

/* Edges went by that the watcher could not see (a bus faster than it follows): its bits up
 * to the next START or STOP are not known, so they are not sent. The "?" says so; the
 * transaction goes on with that condition. */
static inline void bus_text_lost(void)
{
    if (bus_inside && !bus_lost) {
        ring_put("?", 1);
        bus_lost = true;
    }
    bus_doubtful = BUS_DOUBTFUL_AFTER_LOSS;
    bus_inside = false;
    bus_bits = 0;
}

/* Nothing seen so far counts: the text begins again at the next START. */
static inline void bus_text_forget(void)
{
    bus_inside = false;
    bus_lost = false;
    bus_doubtful = 0;
    bus_bits = 0;
}

#endif
