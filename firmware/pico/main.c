/* Wirelark's probe for fast buses: a Raspberry Pi Pico (RP2040) that follows an I2C bus on
 * GP4 (SDA) and GP5 (SCL) and sends what it sees over its own USB, a CDC-ACM serial port, in
 * the same text as the Nano probe: s START, r repeated START, a byte as two hex digits with
 * a (ACK) or n (NACK), p STOP; ! where transactions were dropped (the PC took too little, or
 * events were lost), ? where a START or STOP cut a byte short.
 *
 * A PIO state machine follows the lines and pushes one word per event; a DMA channel moves
 * the words into a ring in RAM as they come, so the FIFO never fills while the CPU is busy
 * with USB. The CPU turns the events into text in a second ring, which absorbs what the host
 * does not take in time, and hands that text to TinyUSB. The whole program runs from RAM: a
 * flash cache miss never delays the path of an event. */
#include "bus_text.h"
#include "ring.h"
#include "sniffer.pio.h"

#include "hardware/dma.h"
#include "hardware/gpio.h"
#include "hardware/pio.h"
#include "tusb.h"

#include <stdbool.h>
#include <stdint.h>

#define SDA_PIN 4u /* pin 6 */
#define SCL_PIN 5u /* pin 7 */

#define EVENT_START 0xFFFFFFFEu
#define EVENT_STOP 0xFFFFFFFFu
/* What a slot holds once its event was taken; the sniffer never pushes it. */
#define EVENT_TAKEN 2u

/* 8,192 events (32 KiB, the longest ring a DMA channel wraps in): 8 ms of a fully loaded
 * 1 MHz bus, far more than one turn of the main loop takes. Aligned to its size, as the
 * DMA's ring wrap requires. */
#define EVENT_RING_BITS 15u
#define EVENT_COUNT ((1u << EVENT_RING_BITS) / sizeof(uint32_t))
#define EVENT_MASK (EVENT_COUNT - 1u)
static uint32_t events[EVENT_COUNT] __attribute__((aligned(1u << EVENT_RING_BITS)));
static uint32_t event_tail;

/* The event channel moves this many words, then the reload channel starts it again with this
 * count, for ever; the write address runs on round the ring. */
static const uint32_t events_per_round = 1u << 16;

static const PIO sniffer_pio = pio0;
static uint sniffer_sm;
static uint events_channel;

static bool host_listening;

static void watch_pins(void)
{
    /* Inputs without pulls, never driven: the probe only listens. The chip enables the pads'
     * inputs at reset; enabled here all the same, so that nothing hangs on that. */
    const uint pins[] = {SDA_PIN, SCL_PIN};
    for (unsigned i = 0; i < 2; ++i) {
        gpio_init(pins[i]);
        gpio_disable_pulls(pins[i]);
        gpio_set_input_enabled(pins[i], true);
    }
}

static void start_sniffer(void)
{
    for (uint32_t i = 0; i < EVENT_COUNT; ++i)
        events[i] = EVENT_TAKEN;
    const uint offset = pio_add_program(sniffer_pio, &sniffer_program);
    sniffer_sm = (uint)pio_claim_unused_sm(sniffer_pio, true);
    sniffer_program_init(sniffer_pio, sniffer_sm, offset, SDA_PIN, SCL_PIN);

    events_channel = (uint)dma_claim_unused_channel(true);
    const uint reload_channel = (uint)dma_claim_unused_channel(true);

    dma_channel_config c = dma_channel_get_default_config(events_channel);
    channel_config_set_transfer_data_size(&c, DMA_SIZE_32);
    channel_config_set_read_increment(&c, false);
    channel_config_set_write_increment(&c, true);
    channel_config_set_ring(&c, true, EVENT_RING_BITS);
    channel_config_set_dreq(&c, pio_get_dreq(sniffer_pio, sniffer_sm, false));
    channel_config_set_chain_to(&c, reload_channel);
    channel_config_set_high_priority(&c, true);
    dma_channel_configure(events_channel, &c, events, &sniffer_pio->rxf[sniffer_sm], events_per_round, false);

    dma_channel_config r = dma_channel_get_default_config(reload_channel);
    channel_config_set_transfer_data_size(&r, DMA_SIZE_32);
    channel_config_set_read_increment(&r, false);
    channel_config_set_write_increment(&r, false);
    dma_channel_configure(reload_channel, &r, &dma_hw->ch[events_channel].al1_transfer_count_trig,
                          &events_per_round, 1, false);

    dma_channel_start(events_channel);
    pio_sm_set_enabled(sniffer_pio, sniffer_sm, true);
}

/* The PIO's FIFO stalled the state machine: the DMA could not keep up and edges went by
 * unseen. Never on a working chip; told, not hidden, if it happens. */
static bool sniffer_stalled(void)
{
    const uint32_t stall = 1u << (PIO_FDEBUG_RXSTALL_LSB + sniffer_sm);
    if (!(sniffer_pio->fdebug & stall))
        return false;
    sniffer_pio->fdebug = stall;
    return true;
}

/* The host opened the port (raised DTR) or closed it. It gets the bus from the first START
 * after it opened, never a backlog from before. */
static void follow_host(void)
{
    const bool listening = tud_cdc_connected();
    if (listening == host_listening)
        return;
    host_listening = listening;
    ring_clear();
    bus_text_forget();
    tud_cdc_write_clear();
}

/* The DMA went round the event ring past events not taken yet: it has written over the slot
 * taken last. The main loop comes back long before that (its slowest turn, a 2 KiB copy into
 * TinyUSB's FIFO or a control request, takes tens of microseconds; the ring holds 8 ms of a
 * fully loaded 1 MHz bus), but a bus beyond what the CPU turns into text would do it. */
static bool events_overrun(void)
{
    return events[(event_tail - 1u) & EVENT_MASK] != EVENT_TAKEN;
}

/* Kept a function of its own, so that the benchmark can tell its cycles from the rest. */
static void __attribute__((noinline)) take_events(void)
{
    const uint32_t head = ((uint32_t)dma_hw->ch[events_channel].write_addr - (uint32_t)(uintptr_t)events)
                          / sizeof(uint32_t) & EVENT_MASK;
    if (sniffer_stalled() || events_overrun()) {
        /* Events were lost: the rest of the transaction is dropped behind a "!", and the text
         * begins again at the next START after what the ring holds now. */
        ring_drop_transaction();
        bus_text_forget();
        event_tail = head;
        events[(head - 1u) & EVENT_MASK] = EVENT_TAKEN;
        return;
    }
    while (event_tail != head) {
        const uint32_t event = events[event_tail];
        events[event_tail] = EVENT_TAKEN;
        event_tail = (event_tail + 1u) & EVENT_MASK;
        if (!host_listening)
            continue;
        if (event == EVENT_START)
            bus_text_start();
        else if (event == EVENT_STOP)
            bus_text_stop();
        else
            bus_text_clock_rose(event != 0);
    }
}

static void send_text(void)
{
    if (!host_listening)
        return;
    uint32_t room = tud_cdc_write_available();
    bool sent = false;
    while (room > 0 && !ring_is_empty()) {
        const uint32_t in_one_piece = ring_head >= ring_tail ? ring_head - ring_tail : RING_SIZE - ring_tail;
        const uint32_t count = in_one_piece < room ? in_one_piece : room;
        tud_cdc_write(&ring_text[ring_tail], count);
        ring_tail = (ring_tail + count) & RING_MASK;
        room -= count;
        sent = true;
    }
    if (sent)
        tud_cdc_write_flush();
}

int main(void)
{
    watch_pins();
    start_sniffer();
    tusb_init();
    for (;;) {
        tud_task();
        follow_host();
        take_events();
        send_text();
    }
}
