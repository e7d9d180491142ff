#include "facts.h"

#include <limits.h>
#include <string.h>

int long_bytes(void)
{
    return (int)sizeof(long);
}

int plain_char_is_signed(void)
{
    return CHAR_MIN < 0;
}

uint8_t first_byte_in_memory(uint32_t word)
{
    uint8_t bytes[4];
    memcpy(bytes, &word, sizeof bytes);
    return bytes[0];
}

uint32_t native_length(const uint8_t *frame)
{
    uint32_t length;
    memcpy(&length, frame, sizeof length);
    return length;
}

uint64_t uptime_us(uint32_t seconds, uint32_t micros)
{
    return (uint64_t)seconds * 1000000u + micros;
}
