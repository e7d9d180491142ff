#include "unit.h"
struct node head;
unsigned short counter;
enum colour paint;
count_t total;
double ratio;
int (*handler)(int code, const char *text);
const char *message;
union value current;
int table[N * 2];
void unit_init(void) { counter = 0; }
int unit_step(int n) { return n + 1; }
