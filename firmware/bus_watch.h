/* The bus watcher: SCL on A5 (PC5), SDA on A4 (PC4), read together from PINC so that the two
 * lines are seen in step. It only listens: both pins are inputs without pull-ups. */
#ifndef WIRELARK_PROBE_BUS_WATCH_H
#define WIRELARK_PROBE_BUS_WATCH_H

void bus_watch_listen(void);
/* Watches the bus for ever, handing what it sees to the ring and the ring to the UART. */
void bus_watch_run(void) __attribute__((noreturn));

#endif
