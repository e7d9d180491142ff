#ifndef UART_H
#define UART_H
#include <stddef.h>
#include <stdint.h>

#define UART_FIFO 16

typedef struct uart_dev uart_t;   /* opaque */

/* Writes up to UART_FIFO bytes. */
int uart_write(uart_t *u,
               const uint8_t buf[UART_FIFO],
               size_t n) __attribute__((nonnull(1)));
int uart_read(uart_t *u, uint8_t buf[UART_FIFO], size_t *got);
#endif
