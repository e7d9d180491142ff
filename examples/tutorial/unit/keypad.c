#include "keypad.h"
#include "board.h"

struct keypad_state keypad;

void keypad_reset(void)
{
    keypad.wrong = 0;
    keypad.locked_until = 0;
}

int keypad_enter(int code)
{
    long now = board_clock();
    if (now < keypad.locked_until) {
        return -1;
    }
    if (code == KEYPAD_CODE) {
        keypad.wrong = 0;
        if (board_latch(5) != 0) {
            return 0;
        }
        keypad.opened++;
        return 1;
    }
    keypad.wrong++;
    /* The fault the tutorial's second script finds: the lock-out comes one
       wrong code late (it should be >=). */
    if (keypad.wrong > KEYPAD_TRIES) {
        keypad.wrong = 0;
        keypad.locked_until = now + KEYPAD_LOCKOUT;
    }
    return 0;
}
