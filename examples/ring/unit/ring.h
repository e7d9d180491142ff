/* A ring buffer of bytes shared between an interrupt handler and the main
 * loop: the producer and consumer counts are C11 atomics, the storage is
 * sized by a shift of a macro, and events are told through a callback. */
#ifndef RING_H
#define RING_H

#include <stdatomic.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#define RING_ORDER 4
#define RING_SIZE (1u << RING_ORDER)
#define RING_MASK (RING_SIZE - 1u)

enum ring_event { RING_EV_NONE, RING_EV_FULL, RING_EV_EMPTY, RING_EV_COUNT };

typedef void (*ring_callback)(enum ring_event event, void *context);

struct ring {
    uint8_t store[2 << (RING_ORDER - 1)];
    atomic_ulong head;  /* written by the producer only */
    atomic_ulong tail;  /* written by the consumer only */
    _Atomic(uint32_t) drops;
    ring_callback notify;
    void *context;
    uint32_t seen[RING_EV_COUNT * 2];
};

/* A frame read out of the ring: a length and its bytes. */
struct ring_frame {
    uint8_t length;
    uint8_t flags;
    uint8_t bytes[];
};

extern struct ring uart_ring;
extern _Atomic unsigned int ring_ticks;
extern _Alignas(8) uint8_t ring_scratch[sizeof(uint32_t) * RING_EV_COUNT];

void ring_init(struct ring *r, ring_callback notify, void *context);
int ring_put(struct ring *r, uint8_t byte) __attribute__((warn_unused_result));
int ring_get(struct ring *r, uint8_t *byte);
size_t ring_count(const struct ring *r);
size_t ring_read_frame(struct ring *r, struct ring_frame *frame, size_t room);

#endif
