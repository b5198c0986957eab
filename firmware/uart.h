/* The UART that drains the ring at the probe's line settings: 115200 baud, 8N1. */
#ifndef WIRELARK_PROBE_UART_H
#define WIRELARK_PROBE_UART_H

#include "ring.h"

#include <avr/io.h>

void uart_init(void);

/* One waiting character to the line, when the UART can take it. */
static inline void uart_send_next(void)
{
    if ((UCSR0A & _BV(UDRE0)) && !ring_is_empty())
        UDR0 = (uint8_t)ring_take();
}

#endif
