/* A small unit under test for the hand-written harnesses. */
#ifndef UNIT_H
#define UNIT_H

typedef int (*binary_op)(int, int);

int add(int a, int b);
int sub(int a, int b);
unsigned int scale(unsigned int v, unsigned int factor);
char upper(char c);
float half(float f);
double average(const double *values, int count);
void greet(char *out, const char *name);
int *first_positive(int *values, int count);
binary_op pick(char op);
int is_even(int v);
void repeat_text(char *out, char c, int count);

#endif
