#include <string.h>
#include "add.h"
char text[10];
void fill(void) { strcpy(text, "c?\?/"); }
