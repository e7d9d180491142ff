#include "tank.h"

#include "gauge.h"

int tank_level(int tank, int capacity)
{
    int litres = 0;
    if (sensor_litres(tank, &litres) != 0) {
        return -1;
    }
    return gauge_percent(litres, capacity);
}
