/* A small unit under test: integer arithmetic with saturation. */
#ifndef CALC_H
#define CALC_H

#define CALC_MAX 1000

int calc_add(int a, int b);
int calc_scale(int value, int factor);

#endif
