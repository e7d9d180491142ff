#include "calib.h"

float coef[CALIB_CHANNELS];
unsigned short gain[CALIB_CHANNELS];

void calibrate(void)
{
    coef[0] = 0.5f;
    coef[2] = -2.0f;
    gain[0] = 100;
    gain[1] = 250;
    gain[2] = 400;
}
