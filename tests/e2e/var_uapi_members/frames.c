#define _DEFAULT_SOURCE 1
#include <sys/stat.h>
#include <net/if.h>
#include <linux/can.h>
#include <linux/sched.h>
#include "frames.h"

void bump(struct can_frame *cf, struct clone_args *ca, struct stat *st, struct ifreq *ifr)
{
    cf->len++;
    cf->data[7]++;
    ca->flags++;
    st->st_mtime++;
    ifr->ifr_flags++;
}
