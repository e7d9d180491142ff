#ifndef FRAMES_H
#define FRAMES_H
struct can_frame;
struct clone_args;
struct stat;
struct ifreq;
void bump(struct can_frame *cf, struct clone_args *ca, struct stat *st, struct ifreq *ifr);
#endif
