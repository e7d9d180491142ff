/* A small unit under test for the hand-written harnesses. */
#include "unit.h"

#include <string.h>

int add(int a, int b)
{
    return a + b;
}

int sub(int a, int b)
{
    return a - b;
}

unsigned int scale(unsigned int v, unsigned int factor)
{
    return v * factor;
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c;
}

float half(float f)
{
    return f / 2.0f;
}

double average(const double *values, int count)
{
    double sum = 0.0;
    int i;
    for (i = 0; i < count; ++i) {
        sum += values[i];
    }
    return count > 0 ? sum / count : 0.0;
}

void greet(char *out, const char *name)
{
    strcpy(out, "Hello, ");
    strcat(out, name);
}

int *first_positive(int *values, int count)
{
    int i;
    for (i = 0; i < count; ++i) {
        if (values[i] > 0) {
            return &values[i];
        }
    }
    return 0;
}

binary_op pick(char op)
{
    switch (op) {
    case '+':
        return add;
    case '-':
        return sub;
    default:
        return 0;
    }
}

int is_even(int v)
{
    return v % 2 == 0;
}

void repeat_text(char *out, char c, int count)
{
    memset(out, c, (size_t)count);
    out[count] = '\0';
}
