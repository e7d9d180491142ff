/*
 * Start-up of a test harness on QEMU's mps2-an385 board (an Arm Cortex-M3
 * with 4 MiB of code RAM at 0x00000000 and 4 MiB of data RAM at
 * 0x20000000), run with semihosting:
 *     qemu-system-arm -M mps2-an385 -semihosting -nographic -kernel harness
 * The vector table gives the initial stack and the reset handler; the
 * handler clears .bss, connects newlib's stdio to the host through
 * semihosting (rdimon), runs the constructors and main, and ends with
 * exit, which semihosting turns into the end of QEMU with the status.
 * QEMU loads every section where the linker script places it, so .data
 * needs no copy. A fault ends the run with status 3: the traces then stop
 * where the harness stopped, and the report says so.
 */
#include <stdlib.h>

extern int main(int argc, char **argv);
extern void initialise_monitor_handles(void);
extern void __libc_init_array(void);
extern char __bss_start__[];
extern char __bss_end__[];
extern char __stack_top__[];

void vxu_reset_handler(void);
void vxu_fault_handler(void);

#define VXU_VECTORS 16
#define VXU_FAULT_STATUS 3

__attribute__((section(".vectors"), used)) static void (*const vxu_vectors[VXU_VECTORS])(void) = {
    (void (*)(void))__stack_top__, /* initial stack pointer */
    vxu_reset_handler,             /* reset */
    vxu_fault_handler,             /* NMI */
    vxu_fault_handler,             /* hard fault */
    vxu_fault_handler,             /* memory management fault */
    vxu_fault_handler,             /* bus fault */
    vxu_fault_handler,             /* usage fault */
};

void vxu_fault_handler(void)
{
    _Exit(VXU_FAULT_STATUS);
}

void vxu_reset_handler(void)
{
    char *byte;
    for (byte = __bss_start__; byte < __bss_end__; ++byte) {
        *byte = 0;
    }
    initialise_monitor_handles();
    __libc_init_array();
    exit(main(0, NULL));
}

/* Without the C run-time start files, the init and fini hooks are empty. */
void _init(void);
void _fini(void);
void _init(void)
{
}
void _fini(void)
{
}
