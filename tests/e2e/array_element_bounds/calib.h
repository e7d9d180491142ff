#ifndef CALIB_H
#define CALIB_H
/* Calibration coefficients of a sensor, one per channel. */
#define CALIB_CHANNELS 3
extern float coef[CALIB_CHANNELS];
extern unsigned short gain[CALIB_CHANNELS];
void calibrate(void);
#endif
