/* What the probe tells the host about itself: a CDC-ACM serial port that needs no driver on
 * Linux, macOS or Windows 10 and 11. Until the project has a product ID of its own it uses
 * the Pico SDK's for a CDC serial port (2E8A:000A); the product string names it, and the
 * serial number is the flash's unique ID, so that /dev/serial/by-id/ tells probes apart. */
#include "pico/unique_id.h"
#include "tusb.h"

#include <stddef.h>

#define PROBE_VENDOR_ID 0x2E8A  /* Raspberry Pi */
#define PROBE_PRODUCT_ID 0x000A /* the Pico SDK's CDC serial port */
#define PROBE_RELEASE 0x0100

enum { ITF_CDC_CONTROL, ITF_CDC_DATA, ITF_COUNT };
enum { STRING_LANGUAGE, STRING_MANUFACTURER, STRING_PRODUCT, STRING_SERIAL, STRING_INTERFACE };

#define EP_CDC_NOTIFY 0x81
#define EP_CDC_OUT 0x02
#define EP_CDC_IN 0x82

static const tusb_desc_device_t device = {
    .bLength = sizeof(tusb_desc_device_t),
    .bDescriptorType = TUSB_DESC_DEVICE,
    .bcdUSB = 0x0200,
    /* Interface association: Windows binds its own usbser.sys to the CDC function. */
    .bDeviceClass = TUSB_CLASS_MISC,
    .bDeviceSubClass = MISC_SUBCLASS_COMMON,
    .bDeviceProtocol = MISC_PROTOCOL_IAD,
    .bMaxPacketSize0 = CFG_TUD_ENDPOINT0_SIZE,
    .idVendor = PROBE_VENDOR_ID,
    .idProduct = PROBE_PRODUCT_ID,
    .bcdDevice = PROBE_RELEASE,
    .iManufacturer = STRING_MANUFACTURER,
    .iProduct = STRING_PRODUCT,
    .iSerialNumber = STRING_SERIAL,
    .bNumConfigurations = 1,
};

#define CONFIGURATION_LENGTH (TUD_CONFIG_DESC_LEN + TUD_CDC_DESC_LEN)

static const uint8_t configuration[] = {
    TUD_CONFIG_DESCRIPTOR(1, ITF_COUNT, 0, CONFIGURATION_LENGTH, 0, 100),
    TUD_CDC_DESCRIPTOR(ITF_CDC_CONTROL, STRING_INTERFACE, EP_CDC_NOTIFY, 8, EP_CDC_OUT, EP_CDC_IN, 64),
};

uint8_t const *tud_descriptor_device_cb(void)
{
    return (uint8_t const *)&device;
}

uint8_t const *tud_descriptor_configuration_cb(uint8_t index)
{
    (void)index;
    return configuration;
}

static const char *const strings[] = {
    [STRING_MANUFACTURER] = "Wirelark",
    [STRING_PRODUCT] = "Wirelark I2C probe",
    [STRING_INTERFACE] = "Wirelark I2C probe",
};

/* UTF-16LE, as USB has it; the longest string is the serial number's 16 hex digits. */
static uint16_t string_buffer[1 + 32];

uint16_t const *tud_descriptor_string_cb(uint8_t index, uint16_t language)
{
    (void)language;
    char serial[2 * PICO_UNIQUE_BOARD_ID_SIZE_BYTES + 1];
    const char *text;
    if (index == STRING_LANGUAGE) {
        string_buffer[1] = 0x0409; /* English (United States) */
        string_buffer[0] = (uint16_t)((TUSB_DESC_STRING << 8) | 4);
        return string_buffer;
    }
    if (index == STRING_SERIAL) {
        pico_get_unique_board_id_string(serial, sizeof serial);
        text = serial;
    } else if (index < sizeof strings / sizeof strings[0] && strings[index]) {
        text = strings[index];
    } else {
        return NULL; /* no such string: the request is stalled */
    }
    size_t length = 0;
    while (text[length] && length < sizeof string_buffer / sizeof string_buffer[0] - 1) {
        string_buffer[1 + length] = (uint8_t)text[length];
        ++length;
    }
    string_buffer[0] = (uint16_t)((TUSB_DESC_STRING << 8) | (2 * length + 2));
    return string_buffer;
}
