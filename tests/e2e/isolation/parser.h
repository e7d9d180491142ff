#ifndef PARSER_H
#define PARSER_H
#include <stddef.h>
#include <stdint.h>

/* A tiny driver-style API: a frame parser over a byte buffer. */
typedef struct {
    const uint8_t *data;
    size_t length;
} frame_t;

int frame_checksum(const frame_t *frame);
int frame_wait_ready(volatile const int *status);
#endif
