#include "calc.h"

/* Adds two values, saturating at CALC_MAX and -CALC_MAX. */
int calc_add(int a, int b)
{
    long sum = (long)a + (long)b;
    if (sum > CALC_MAX) return CALC_MAX;
    if (sum < -CALC_MAX) return -CALC_MAX;
    return (int)sum;
}

/* Multiplies a value by a factor, with the same saturation. */
int calc_scale(int value, int factor)
{
    long product = (long)value * (long)factor;
    if (product > CALC_MAX) return CALC_MAX;
    if (product < -CALC_MAX) return -CALC_MAX;
    return (int)product;
}
