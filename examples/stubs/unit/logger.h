#ifndef LOGGER_H
#define LOGGER_H
#define LOG_WARN 2
extern int log_printf(int level, const char *restrict fmt, ...) __attribute__((format(printf, 2, 3)));
#endif
