#ifndef SCALE_H
#define SCALE_H
#include <stdint.h>
/* A sensor reading scaled into one byte of a frame. */
extern uint16_t raw;
extern uint8_t scaled;
extern uint8_t mask;
extern int8_t offset;
typedef enum { MODE_OFF, MODE_SLOW, MODE_FAST } scale_mode;
extern scale_mode mode;
extern int32_t rpm;
extern int32_t pos_um;
void scale(void);
#endif
