/* A logger of the kind every firmware has: a level and a printf format. */
#ifndef LOGGER_H
#define LOGGER_H

#define LOG_INFO 1
#define LOG_WARN 2

int log_printf(int level, const char *fmt, ...) __attribute__((format(printf, 2, 3)));

#endif
