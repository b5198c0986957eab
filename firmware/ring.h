/* The ring that holds what waits for the serial line. A fully loaded 100 kHz bus makes
 * about three times the characters that 115200 baud carries, so bursts wait here. When it
 * is full, the rest of the transaction going on and then whole transactions are dropped
 * behind a "!": never a transaction cut silently, never a character changed. The "!" goes
 * into the ring the moment dropping begins (one place is always kept for it), so that it
 * reaches the host as soon as what came before it, even when the bus then goes quiet. */
#ifndef WIRELARK_PROBE_RING_H
#define WIRELARK_PROBE_RING_H

#include <stdbool.h>
#include <stdint.h>

#if defined(__AVR__)
/* 1 KiB of the ATmega328P's 2 KiB of RAM; a power of two, so that an index wraps with a mask. */
#define RING_SIZE 1024u
typedef uint16_t ring_index_t;
#else
/* 128 KiB of the RP2040's 264 KiB: about 0.4 s of a fully loaded 1 MHz bus when the host
 * takes nothing. */
#define RING_SIZE 131072u
typedef uint32_t ring_index_t;
#endif
#define RING_MASK (RING_SIZE - 1u)
/* Dropping ends at a START or a repeated START once this much is free again: whole
 * transactions are dropped rather than many cut short (a 64-byte read is about 200
 * characters). A repeated START ends it too, for masters that chain transactions with
 * repeated STARTs and never send a STOP. */
#define RING_RESUME_ROOM 256u

extern char ring_text[RING_SIZE];
extern ring_index_t ring_head;  /* the next character goes here */
extern ring_index_t ring_tail;  /* the next character to send */
extern bool ring_dropping;  /* the transaction going on is being dropped */

static inline ring_index_t ring_room(void)
{
    return (ring_index_t)(ring_tail - ring_head - 1u) & RING_MASK;
}

static inline bool ring_is_empty(void)
{
    return ring_head == ring_tail;
}

static inline char ring_take(void)
{
    const char c = ring_text[ring_tail];
    ring_tail = (ring_tail + 1u) & RING_MASK;
    return c;
}

static inline void ring_push(char c)
{
    ring_text[ring_head] = c;
    ring_head = (ring_head + 1u) & RING_MASK;
}

/* The characters of one bus event (1 to 3), all or, once the ring is full, none: then the
 * "!" takes the place kept for it, at the boundary between two events. */
static inline void ring_put(const char *text, uint8_t count)
{
    if (ring_dropping)
        return;
    if (ring_room() <= count) {
        ring_push('!');
        ring_dropping = true;
        return;
    }
    ring_index_t head = ring_head;
    for (uint8_t i = 0; i < count; ++i) {
        ring_text[head] = text[i];
        head = (head + 1u) & RING_MASK;
    }
    ring_head = head;
}

/* What the watcher saw could not be followed: the rest of the transaction is dropped behind
 * a "!", as when the ring is full. */
static inline void ring_drop_transaction(void)
{
    if (ring_dropping)
        return;
    ring_push('!');
    ring_dropping = true;
}

/* Nothing waits any more: the host that would have taken it is gone. */
static inline void ring_clear(void)
{
    ring_tail = ring_head;
    ring_dropping = false;
}

/* A START or a repeated START: dropping ends here once there is room again. True when it
 * did, so that the caller sends the condition alone: the rest of a byte it cut was dropped. */
bool ring_resume_at_start(void);

#endif
