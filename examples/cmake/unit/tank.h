/* The tank level as the gauge shows it, read from the level sensor. */
#ifndef TANK_H
#define TANK_H

/* The sensor driver, not part of this project: the tests stub it. */
int sensor_litres(int tank, int *litres);

/* The level of tank `tank` of `capacity` litres in percent, or -1 when the
   sensor fails. */
int tank_level(int tank, int capacity);

#endif
