/* A thermostat: the unit under test reads its sensor and drives its heater
   through the functions of the board driver (not part of the unit). */
#ifndef THERMO_H
#define THERMO_H

/* Board driver: 0 on success, the temperature in *celsius. */
int read_temperature(int sensor, int *celsius);
void set_heater(int on);

/* Switches the heater on below the target, off at or above it, and off
   when the sensor cannot be read; returns the temperature read, or -100. */
int thermo_regulate(int sensor, int target);

#endif
