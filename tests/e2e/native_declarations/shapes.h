/* A unit header with the declarations a unit under test typically has. */
#ifndef SHAPES_H
#define SHAPES_H
#include <stdint.h>
#include <stdbool.h>

#define MAX_CORNERS 4

typedef struct point { int32_t x, y; } point_t;
typedef point_t *point_ptr;
typedef point_ptr point_ref;

enum kind { CIRCLE = 1, SQUARE, TRIANGLE = CIRCLE + 4 };

struct shape {
    enum kind kind;
    point_t corners[MAX_CORNERS * 2];
    union { int32_t radius; uint16_t side; } size;
    struct { uint8_t red, green, blue; };
    unsigned visible : 1;
    unsigned : 7;
    bool filled;
    void (*draw)(const struct shape *self, int depth);
};

extern struct shape shapes[MAX_CORNERS + 1];
extern unsigned long shape_count;
int area(const struct shape *s);
static int old_style(a, b) int a; char *b; { return a + *b; }
#endif
