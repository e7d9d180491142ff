#include "sensor.h"

#include <stdio.h>

/* The mean of the readings that succeeded (read_sensor gives 0). */
int average(int channel, int count)
{
    long sum = 0;
    int good = 0;
    int i;
    char text[32];
    snprintf(text, sizeof text, "average %d", channel);
    log_text(text);
    for (i = 0; i < count; ++i) {
        int value = -1;
        if (read_sensor(channel, &value) == 0) {
            sum += value;
            ++good;
        }
    }
    show_total(sum);
    return good ? (int)(sum / good) : 0;
}

/* Hands a slot to exchange and reports what came back. */
int bump(int start)
{
    int slot = start;
    int result = exchange(&slot);
    show_total(slot * 10 + result);
    return result;
}

void go(int x, int y)
{
    struct point p;
    p.x = x;
    p.y = y;
    move_to(p);
}
