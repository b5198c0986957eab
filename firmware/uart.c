#include "uart.h"

/* 115200 baud from 16 MHz: double speed (U2X0) and UBRR0 = 16 give 117,647 baud (+2.1 %,
 * datasheet table 20-7), as Arduino boards have it; 10 bits a character, 11,765 a second. */
#define UART_DIVIDER 16u

void uart_init(void)
{
    UCSR0A = _BV(U2X0);
    UBRR0 = UART_DIVIDER;
    UCSR0C = _BV(UCSZ01) | _BV(UCSZ00); /* 8 data bits, no parity, 1 stop bit */
    UCSR0B = _BV(TXEN0);                /* sends only: the probe never listens to the host */
}
