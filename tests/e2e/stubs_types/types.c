#include "types.h"
static int twice(int x) { return 2 * x; }
int drive(void);
int drive(void)
{
    pair_t p = make_pair(1, 2.5);
    union u v; struct rec r, q = {"abc", 0, 3};
    v.i = 4;
    paint(GREEN, p, v);
    fill(&r, &q);
    frame_t f = take_frame();
    return (int)hash("key", 3u) + first('a', 1.5f, 2.5) + call(twice, &p) + count_up(1) +
           f.s[1];
}
