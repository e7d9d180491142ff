#include "queue.h"

static uint8_t slots[8];
static int used;

int queue_push(uint8_t value)
{
    if (used == (int)sizeof slots) {
        return -1;
    }
    slots[used++] = value;
    return used;
}

int queue_count(void)
{
    return used;
}

void queue_reset(void)
{
    used = 0;
}
