/* A channel of a small daemon: a connected pair of sockets, and the time
 * stamps of its spool files. */
#ifndef CHAN_H
#define CHAN_H
#define _GNU_SOURCE 1
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>

struct chan {
    int fds[2];
};

int chan_open(struct chan *c);
int chan_touch(int fd);
int chan_stamp(const char *path, long when);
#endif
