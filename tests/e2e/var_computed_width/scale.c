#include "scale.h"

uint16_t raw;
uint8_t scaled;
uint8_t mask;
int8_t offset;
scale_mode mode;
int32_t rpm;
int32_t pos_um;

void scale(void)
{
    scaled = (uint8_t)(raw * 2);
    mask = 0xFF;
    offset = (int8_t)(raw + 100);
    mode = MODE_SLOW;
    rpm = -9;
    pos_um = 950000000;
}
