#include "logger.h"

#define TEMP_LIMIT 80

/* Warns once above the limit; returns 1 when it warned. */
int temp_check(int celsius)
{
    if (celsius > TEMP_LIMIT) {
        (void)log_printf(LOG_WARN, "hot: %d C (limit %d)", celsius, TEMP_LIMIT);
        return 1;
    }
    return 0;
}
