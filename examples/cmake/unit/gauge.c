#include "gauge.h"

int gauge_fill(int level, int added)
{
    int sum = level + added;
    return sum > GAUGE_FULL ? GAUGE_FULL : sum;
}

int gauge_percent(int litres, int capacity)
{
    /* The bug the percent script finds: this truncates instead of
       rounding to the nearest percent. */
    return litres * GAUGE_FULL / capacity;
}
