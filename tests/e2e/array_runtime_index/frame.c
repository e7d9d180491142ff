#include "frame.h"

uint8_t frame[FRAME_LEN];

void put_header(int at)
{
    frame[at] = 0x10;
    frame[at + 1] = 0x11;
}
