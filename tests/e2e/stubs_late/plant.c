#include "plant.h"
int regulate(int tank) {
    int level = 0;
    if (read_level(tank, &level) != 0) return -1;
    if (level < 50) { open_valve(tank); return 1; }
    return 0;
}
