#ifndef FACTS_H
#define FACTS_H
#include <stdint.h>

/* What a unit sees of the machine it runs on: the width of long, the
 * signedness of plain char and the order of the bytes of a word. */
int long_bytes(void);
int plain_char_is_signed(void);
uint8_t first_byte_in_memory(uint32_t word);
/* A frame length field read from a received byte buffer, in the byte
 * order of the machine (a classic portability fault). */
uint32_t native_length(const uint8_t *frame);
/* A 64-bit time stamp: wider than long on a 32-bit target. */
uint64_t uptime_us(uint32_t seconds, uint32_t micros);
#endif
