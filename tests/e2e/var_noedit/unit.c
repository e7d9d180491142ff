#include "unit.h"
#include <string.h>
int count; unsigned int flags; short level; long total; char grade; float ratio;
double mean; char title[32]; const char *message; int *cursor; int (*handler)(int);
mode_t2 mode; bool ready; int samples[4]; int grid[2][3]; struct shape shape; struct point path[2];
int step(int v) { return v + 1; }
void update(void) {
    count = step(count); flags |= 1u; level = (short)(level * 2); total += 10;
    grade = (char)(grade + 1); ratio = ratio * 2.0f; mean = mean / 3.0;
    strcat(title, "!"); message = "done"; cursor = &count; handler = step;
    mode = AUTO; ready = !ready;
    for (int i = 0; i < 4; ++i) samples[i] += i;
    grid[1][2] = 42; shape.id += 1; shape.area = 2.5; path[1].y = 7;
}
