#ifndef QUEUE_H
#define QUEUE_H
#include <stdint.h>

int queue_push(uint8_t value);
int queue_count(void);
void queue_reset(void);
#endif
