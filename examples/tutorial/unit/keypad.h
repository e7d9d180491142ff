/* A door keypad: the unit under test. It reads the time from the board's
   clock and works the door's latch through two functions of the board
   driver, which are not part of the unit (board.h). */
#ifndef KEYPAD_H
#define KEYPAD_H

#define KEYPAD_CODE 4711     /* the code that opens the door */
#define KEYPAD_TRIES 3       /* wrong codes in a row before the lock-out */
#define KEYPAD_LOCKOUT 60    /* seconds the keypad then refuses every code */

struct keypad_state {
    int wrong;               /* wrong codes in a row */
    long locked_until;       /* clock time before which codes are refused */
    int opened;              /* how many times the door was opened */
};

extern struct keypad_state keypad;

/* Forgets the wrong codes and the lock-out. */
void keypad_reset(void);

/* A code typed on the keypad: 1 the door opens, 0 a wrong code, -1 the
   keypad is locked out (the code is not even compared). The third wrong
   code in a row locks the keypad out for KEYPAD_LOCKOUT seconds. */
int keypad_enter(int code);

#endif
