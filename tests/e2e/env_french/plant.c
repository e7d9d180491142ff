#include "plant.h"
int gain, offset, limit, speed;
int regulate(int v) { speed = v * gain + offset; if (speed > limit) speed = limit; return speed; }
