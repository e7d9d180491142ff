#include "route.h"
/* The coverage flags the harness declares; the unit raises one per path. */
extern unsigned char VXLCOV_fast, VXLCOV_slow;
int route(int speed) {
    if (speed > 10) { VXLCOV_fast = 1; return 2; }
    VXLCOV_slow = 1;
    return 1;
}
