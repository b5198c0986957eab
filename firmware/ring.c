#include "ring.h"

char ring_text[RING_SIZE];
uint16_t ring_head;
uint16_t ring_tail;
bool ring_dropping;

void ring_begin_transaction(void)
{
    if (ring_dropping) {
        if (ring_room() < RING_RESUME_ROOM)
            return; /* this one is dropped whole, too */
        ring_dropping = false;
        ring_put("!s", 2);
        return;
    }
    ring_put("s", 1);
}
