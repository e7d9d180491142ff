#include "chan.h"

int chan_open(struct chan *c)
{
    c->fds[0] = -1;
    c->fds[1] = -1;
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, c->fds) != 0) {
        return -1;
    }
    return c->fds[0] < c->fds[1] ? 0 : 1;
}

/* Sets the modification time to now and leaves the access time. */
int chan_touch(int fd)
{
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = 0;
    times[1].tv_nsec = UTIME_NOW;
    return futimens(fd, times);
}

int chan_stamp(const char *path, long when)
{
    struct timeval tv[2];
    tv[0].tv_sec = when;
    tv[0].tv_usec = 0;
    tv[1].tv_sec = when;
    tv[1].tv_usec = 500;
    return utimes(path, tv);
}
