# Toolchain file: test harnesses for a bare-metal Arm Cortex-M3, run on
# QEMU's mps2-an385 board with semihosting.
#   cmake -S <project> -B <build> -DVEXOR_DIR=<installation> \
#         -DCMAKE_TOOLCHAIN_FILE=<installation>/cmake/toolchains/cortex-m3-qemu.cmake
# Needs arm-none-eabi-gcc with newlib (gcc-arm-none-eabi,
# libnewlib-arm-none-eabi) and qemu-system-arm. The harness writes its
# traces on the host through semihosting, where vexorreport reads them.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR cortex-m3)
set(CMAKE_C_COMPILER arm-none-eabi-gcc)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

get_filename_component(_vexor_board "${CMAKE_CURRENT_LIST_DIR}/../../target/boards/mps2-an385"
                       ABSOLUTE)
set(CMAKE_C_FLAGS_INIT "-mcpu=cortex-m3 -mthumb")

# Read by vexor_add_test: the target's flags (given to every harness even
# when the project sets CMAKE_C_FLAGS itself), the board's start-up code
# and linker script, newlib's semihosting support (rdimon); the runtime
# writes through semihosting and runs the tests one after the other (no
# fork on a bare-metal target).
set(VEXOR_TARGET_FLAGS -mcpu=cortex-m3 -mthumb CACHE INTERNAL "")
set(VEXOR_TARGET_LINK_FLAGS -mcpu=cortex-m3 -mthumb --specs=rdimon.specs -nostartfiles
    "-T${_vexor_board}/link.ld" CACHE INTERNAL "")
set(VEXOR_TARGET_SOURCES "${_vexor_board}/startup.c" CACHE INTERNAL "")
set(VEXOR_TARGET_DEFINITIONS VXU_SEMIHOSTING VXU_NO_FORK CACHE INTERNAL "")
set(VEXOR_TEST_TIME_LIMIT 300 CACHE INTERNAL "")
# COVERAGE on this target: the unit's records of counters go to a section
# of their own, which the runtime writes as .gcda files on the host through
# semihosting at the end of the harness (the C library here cannot write
# files); the target's gcov reads them.
set(VEXOR_TARGET_COVERAGE_FLAGS --coverage -fprofile-info-section CACHE INTERNAL "")
set(VEXOR_TARGET_COVERAGE_DEFINITIONS VXU_GCOV CACHE INTERNAL "")
find_program(VEXOR_GCOV arm-none-eabi-gcov)

find_program(VEXOR_QEMU_SYSTEM_ARM qemu-system-arm)
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${VEXOR_QEMU_SYSTEM_ARM};-M;mps2-an385;-semihosting-config;enable=on,target=native;-nographic;-monitor;none;-serial;none;-kernel")
