#include "add.h"
int add(int a, int b) { return a + b; }
