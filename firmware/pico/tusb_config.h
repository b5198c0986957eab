/* TinyUSB for the probe: one CDC-ACM serial port as a full-speed device. */
#ifndef WIRELARK_PICO_TUSB_CONFIG_H
#define WIRELARK_PICO_TUSB_CONFIG_H

#define CFG_TUSB_RHPORT0_MODE OPT_MODE_DEVICE
#define CFG_TUD_ENABLED 1
#define CFG_TUD_ENDPOINT0_SIZE 64

#define CFG_TUD_CDC 1
#define CFG_TUD_MSC 0
#define CFG_TUD_HID 0
#define CFG_TUD_MIDI 0
#define CFG_TUD_VENDOR 0

/* The host sends nothing the probe reads; the text goes out in transfers of several packets,
 * so that a fully loaded 1 MHz bus (about 340,000 characters a second) takes few turns of
 * the main loop. */
#define CFG_TUD_CDC_RX_BUFSIZE 64
#define CFG_TUD_CDC_TX_BUFSIZE 2048
#define CFG_TUD_CDC_EP_BUFSIZE 512

#endif
