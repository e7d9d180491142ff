#include "calc.h"

#include <string.h>

int calc_samples[CALC_SAMPLES];
struct calc_stats calc_last_stats;
char calc_verdict[16];

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

double calc_summarise(void)
{
    long sum = 0;
    calc_last_stats.minimum = calc_samples[0];
    calc_last_stats.maximum = calc_samples[0];
    for (int i = 0; i < CALC_SAMPLES; ++i) {
        if (calc_samples[i] < calc_last_stats.minimum) calc_last_stats.minimum = calc_samples[i];
        if (calc_samples[i] > calc_last_stats.maximum) calc_last_stats.maximum = calc_samples[i];
        sum += calc_samples[i];
    }
    calc_last_stats.mean = (double)sum / CALC_SAMPLES;
    int spread = calc_last_stats.maximum - calc_last_stats.minimum;
    strcpy(calc_verdict, spread == 0 ? "flat" : spread < 10 ? "narrow" : "wide");
    return calc_last_stats.mean;
}

void calc_clamp(int limit)
{
    for (int i = 0; i < CALC_SAMPLES; ++i) {
        if (calc_samples[i] > limit) calc_samples[i] = limit;
        if (calc_samples[i] < -limit) calc_samples[i] = -limit;
    }
}
