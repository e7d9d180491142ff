/* The board driver the keypad uses. Its implementation lives in the
   firmware, not in this project: the tests replace it with stubs. */
#ifndef BOARD_H
#define BOARD_H

/* Seconds since the board started. */
long board_clock(void);

/* Releases the latch for the given number of seconds; 0 on success. */
int board_latch(int seconds);

#endif
