#include "alarm.h"

struct sigaction alarm_actions[ALARM_TIMERS];

void on_alarm(int signal_number)
{
    (void)signal_number;
}

int arm(int timer)
{
    struct sigaction previous;
    alarm_actions[timer].sa_handler = on_alarm;
    alarm_actions[timer].sa_flags = SA_RESTART;
    return sigaction(SIGALRM, &alarm_actions[timer], &previous);
}
