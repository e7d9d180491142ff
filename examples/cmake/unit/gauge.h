/* A fuel gauge: tank levels in percent. */
#ifndef GAUGE_H
#define GAUGE_H

#define GAUGE_FULL 100

/* The level after adding `added` percent to `level`, at most GAUGE_FULL. */
int gauge_fill(int level, int added);

/* `litres` of a tank of `capacity` litres in percent, rounded to the
   nearest percent. */
int gauge_percent(int litres, int capacity);

#endif
