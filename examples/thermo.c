#include "thermo.h"

int thermo_regulate(int sensor, int target)
{
    int celsius = 0;
    if (read_temperature(sensor, &celsius) != 0) {
        set_heater(0);
        return -100;
    }
    set_heater(celsius < target);
    return celsius;
}
