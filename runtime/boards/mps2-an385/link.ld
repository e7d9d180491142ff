/* Memory of QEMU's mps2-an385 board for a test harness: code and constants
 * in the code RAM, data, heap and stack in the data RAM. */
MEMORY
{
    CODE (rwx) : ORIGIN = 0x00000000, LENGTH = 4M
    DATA (rw)  : ORIGIN = 0x20000000, LENGTH = 4M
}

ENTRY(vxu_reset_handler)

SECTIONS
{
    .text :
    {
        KEEP(*(.vectors))
        *(.text*)
        *(.rodata*)
        . = ALIGN(4);
        KEEP(*(.init))
        KEEP(*(.fini))
        __preinit_array_start = .;
        KEEP(*(.preinit_array))
        __preinit_array_end = .;
        __init_array_start = .;
        KEEP(*(SORT(.init_array.*)))
        KEEP(*(.init_array))
        __init_array_end = .;
        __fini_array_start = .;
        KEEP(*(.fini_array))
        __fini_array_end = .;
    } > CODE

    .ARM.exidx : { *(.ARM.exidx*) } > CODE

    /* The coverage records of a unit built with -fprofile-info-section,
     * which the runtime writes as .gcda files (VXU_GCOV). */
    .gcov_info :
    {
        __gcov_info_start = .;
        KEEP(*(.gcov_info))
        __gcov_info_end = .;
    } > CODE

    .data : { *(.data*) } > DATA

    .bss (NOLOAD) :
    {
        __bss_start__ = .;
        *(.bss*)
        *(COMMON)
        . = ALIGN(8);
        __bss_end__ = .;
    } > DATA

    /* The heap of newlib starts here and grows towards the stack. */
    end = .;
    _end = .;
    __end__ = .;
    __stack_top__ = ORIGIN(DATA) + LENGTH(DATA);
}
