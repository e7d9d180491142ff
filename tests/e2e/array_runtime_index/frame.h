#ifndef FRAME_H
#define FRAME_H
#include <stdint.h>
/* A frame buffer whose header lands at an offset known at run time. */
#define FRAME_LEN 6
extern uint8_t frame[FRAME_LEN];
void put_header(int at);
#endif
