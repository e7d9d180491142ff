# Toolchain file: test harnesses for big-endian 32-bit PowerPC Linux, run
# by QEMU's user-mode emulator.
#   cmake -S <project> -B <build> -DVEXOR_DIR=<installation> \
#         -DCMAKE_TOOLCHAIN_FILE=<installation>/cmake/toolchains/powerpc-linux-qemu.cmake
# Needs powerpc-linux-gnu-gcc (gcc-powerpc-linux-gnu) and qemu-ppc
# (qemu-user). The harnesses are linked statically; each test runs in a
# child process as on the host.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR powerpc)
set(CMAKE_C_COMPILER powerpc-linux-gnu-gcc)

# Static harnesses: qemu-ppc then needs no PowerPC libraries on the host.
set(VEXOR_TARGET_LINK_FLAGS -static CACHE INTERNAL "")
set(VEXOR_TEST_TIME_LIMIT 300 CACHE INTERNAL "")
# COVERAGE on this target: the C library writes the .gcda files itself,
# through the emulator, on the host; the target's gcov reads them.
set(VEXOR_TARGET_COVERAGE_FLAGS --coverage CACHE INTERNAL "")
find_program(VEXOR_GCOV powerpc-linux-gnu-gcov)

find_program(VEXOR_QEMU_PPC qemu-ppc)
set(CMAKE_CROSSCOMPILING_EMULATOR "${VEXOR_QEMU_PPC}")
