#include "parser.h"

int frame_checksum(const frame_t *frame)
{
    int sum = 0;
    size_t i;
    /* No check of frame->data: a null buffer crashes, as in real code. */
    for (i = 0; i < frame->length; ++i) {
        sum += frame->data[i];
    }
    return sum & 0xff;
}

int frame_wait_ready(volatile const int *status)
{
    /* Polls a device register that never becomes ready in the test. */
    while (*status == 0) {
    }
    return *status;
}
