#include "ring.h"

#include <string.h>

struct ring uart_ring;
_Atomic unsigned int ring_ticks;
_Alignas(8) uint8_t ring_scratch[sizeof(uint32_t) * RING_EV_COUNT];

static void tell(struct ring *r, enum ring_event event) {
    r->seen[event]++;
    if (r->notify != NULL) r->notify(event, r->context);
}

void ring_init(struct ring *r, ring_callback notify, void *context) {
    memset(r->store, 0, sizeof r->store);
    atomic_store(&r->head, 0);
    atomic_store(&r->tail, 0);
    atomic_store(&r->drops, 0);
    r->notify = notify;
    r->context = context;
    memset(r->seen, 0, sizeof r->seen);
}

size_t ring_count(const struct ring *r) {
    return (size_t)(atomic_load(&((struct ring *)r)->head) - atomic_load(&((struct ring *)r)->tail));
}

int ring_put(struct ring *r, uint8_t byte) {
    unsigned long head = atomic_load(&r->head);
    if (head - atomic_load(&r->tail) >= RING_SIZE) {
        atomic_fetch_add(&r->drops, 1);
        tell(r, RING_EV_FULL);
        return -1;
    }
    r->store[head & RING_MASK] = byte;
    atomic_store(&r->head, head + 1);
    atomic_fetch_add(&ring_ticks, 1);
    return 0;
}

int ring_get(struct ring *r, uint8_t *byte) {
    unsigned long tail = atomic_load(&r->tail);
    if (atomic_load(&r->head) == tail) {
        tell(r, RING_EV_EMPTY);
        return -1;
    }
    *byte = r->store[tail & RING_MASK];
    atomic_store(&r->tail, tail + 1);
    return 0;
}

/* Reads a frame (a length byte, then that many bytes) into `frame`, whose
 * flexible bytes have `room` places; returns the length read, 0 when the
 * ring holds no whole frame. */
size_t ring_read_frame(struct ring *r, struct ring_frame *frame, size_t room) {
    unsigned long tail = atomic_load(&r->tail);
    size_t count = ring_count(r);
    if (count == 0) return 0;
    uint8_t length = r->store[tail & RING_MASK];
    if ((size_t)length + 1 > count || length > room) return 0;
    for (uint8_t i = 0; i < length; ++i) {
        frame->bytes[i] = r->store[(tail + 1 + i) & RING_MASK];
    }
    frame->length = length;
    frame->flags = 1;
    atomic_store(&r->tail, tail + 1 + length);
    return length;
}
