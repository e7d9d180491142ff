#include <stdbool.h>
struct point { int x; int y; };
struct shape { int id; struct point corners[2]; char label[8]; double area; };
typedef enum { OFF, ON = 4, AUTO } mode_t2;
extern int count; extern unsigned int flags; extern short level; extern long total;
extern char grade; extern float ratio; extern double mean; extern char title[32];
extern const char *message; extern int *cursor; extern int (*handler)(int);
extern mode_t2 mode; extern bool ready;
extern int samples[4]; extern int grid[2][3]; extern struct shape shape; extern struct point path[2];
int step(int v);
void update(void);
