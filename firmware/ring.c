#include "ring.h"

char ring_text[RING_SIZE];
ring_index_t ring_head;
ring_index_t ring_tail;
bool ring_dropping;

bool ring_resume_at_start(void)
{
    if (!ring_dropping || ring_room() < RING_RESUME_ROOM)
        return false; /* sending on, or this one is dropped whole, too */
    ring_dropping = false;
    return true;
}
