/* A link layer: frames a text for the UART, stamps it with the clock, logs
 * and panics on misuse. It calls three drivers and the C library. */
#include <string.h>

#include "board/uart.h"
#include "clock.h"
#include "logger.h"

static void on_alarm(void *ctx) { (void)ctx; }

int link_send(uart_t *u, const char *text)
{
    uint8_t frame[UART_FIFO] = {0};
    clock_time_t now = {0, 0};
    size_t n = strlen(text);
    if (n > UART_FIFO) {
        (void)log_printf(LOG_WARN, "too long: %u", (unsigned)n);
        clock_panic("len");
    }
    memcpy(frame, text, n);
    clock_get(&now);
    (void)clock_alarm(clock_ms() + 10u, on_alarm, NULL);
    return uart_write(u, frame, n) + (int)now.ms + (int)clock_s();
}
