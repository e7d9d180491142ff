#ifndef ALARM_H
#define ALARM_H
/* struct sigaction is POSIX. */
#define _POSIX_C_SOURCE 200809L
#include <signal.h>

/* The unit's handler table: one action per timer, installed by arm(). */
#define ALARM_TIMERS 2
extern struct sigaction alarm_actions[ALARM_TIMERS];

void on_alarm(int signal_number);
int arm(int timer);
#endif
