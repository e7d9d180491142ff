#ifndef CLOCK_H
#define CLOCK_H
#include <stdint.h>
typedef struct { uint32_t sec; uint16_t ms; } clock_time_t;
typedef void (*clock_cb)(void *ctx);
uint32_t clock_ms(void);
void clock_get(clock_time_t *out);
int clock_alarm(uint32_t at, clock_cb cb, void *ctx);
_Noreturn void clock_panic(const char *why);
static inline uint32_t clock_s(void) { return clock_ms() / 1000u; }
#endif
