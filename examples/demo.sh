#!/usr/bin/env bash
# The whole loop on the bundled example, as a user runs it for a unit:
#   1. compile the test script into a harness,
#   2. build the harness with the unit under test and the runtime package,
#   3. run it (it writes the traces file),
#   4. read the verdict.
set -euo pipefail
tree=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work="$tree/demo"
rm -rf "$work"
mkdir -p "$work/out"
cd "$work"

export HARNEXDIR="$tree/dist"
export VXLTGT="$HARNEXDIR/target"

step() { printf '\n== %s\n' "$*"; }

# One script: compile, build with its unit, run, report. `expect` is the
# verdict the demo expects of vexorreport: 0 all checks passed, 1 some
# failed.
run_script() {
    local script=$1 unit=$2 name=$3 expect=$4
    step "vexorprepro $script out/$name.c out/ -LANGUAGE=C"
    local status=0
    "$HARNEXDIR/bin/vexorprepro" "$here/$script" "out/$name.c" out/ -LANGUAGE=C || status=$?
    echo "exit status $status"
    # Every shipped script compiles without a message: a warning (status 3)
    # here is a fault of the example.
    [ $status -eq 0 ]

    step "cc -I\$VXLTGT/lib -Iout -I$here out/$name.c $unit.c TP.c -o out/$name"
    cc -std=c99 -Wall -Wextra -I"$VXLTGT/lib" -Iout -I"$here" "out/$name.c" "$here/$unit.c" \
        "$VXLTGT/lib/TP.c" -o "out/$name"

    step "out/$name --list"
    # The harness names its tests and where the script writes them; --run
    # PATTERN would run only some of them.
    "out/$name" --list

    step "out/$name"
    # The harness's own status: 0 every check passed, 1 a check failed, 2 a
    # test did not reach its end or the traces could not be written.
    local ran=0
    "out/$name" || ran=$?
    echo "harness exit status $ran"
    if [ "$ran" -gt 1 ]; then
        echo "demo: the harness of $script did not run to its end" >&2
        exit 1
    fi

    step "vexorreport --junit out/$name.xml --html out/$name.html out/$name.tdc out/$name.rio"
    local verdict=0
    "$HARNEXDIR/bin/vexorreport" --junit "out/$name.xml" --html "out/$name.html" \
        "out/$name.tdc" "out/$name.rio" || verdict=$?
    echo "the page of this verdict: $work/out/$name.html"
    if [ "$verdict" -ne "$expect" ]; then
        echo "demo: $script gave verdict $verdict, expected $expect" >&2
        exit 1
    fi
}

printf '\n#### %s\n' "calc.ptu: the unit's tests, every check passes"
run_script calc.ptu calc calc_test 0

printf '\n#### %s\n' "calc_failing.ptu: the same tests with wrong expectations, to show failed checks"
run_script calc_failing.ptu calc calc_failing 1

# The thermostat calls its board driver, which the script replaces by
# stubs: the harness holds read_temperature and set_heater, and the build
# links thermo.c alone.
printf '\n#### %s\n' "thermo.ptu: a unit whose driver is stubbed, every check passes"
run_script thermo.ptu thermo thermo_test 0

step "outputs in $work/out"
ls -l out

# The same loop driven by CMake and ctest: examples/cmake builds a unit and
# two scripts with vexor_add_test. gauge_percent fails on purpose (the unit
# truncates where its script expects rounding); its JUnit XML is written
# beside its harness.
step "cmake -S $here/cmake -B $work/cmake -DVEXOR_DIR=\$HARNEXDIR"
generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
cmake -S "$here/cmake" -B "$work/cmake" "${generator[@]}" -DVEXOR_DIR="$HARNEXDIR"

step "cmake --build $work/cmake"
cmake --build "$work/cmake"

step "ctest (in $work/cmake)"
status=0
(cd "$work/cmake" && ctest --output-on-failure) || status=$?
echo "ctest exit status $status (gauge_percent is the test meant to fail)"
ls -l "$work/cmake/vexor"/*/*.xml
echo "the verdict of each script as a page (gauge_percent with the coverage of its unit):"
ls "$work/cmake/vexor"/*/*.html

# The same project built for two embedded targets, when their tools are
# there (scripts/install-deps.sh installs them): a bare-metal Cortex-M3 run
# by QEMU with semihosting, and big-endian PowerPC Linux run by qemu-ppc.
# The verdicts are the host's: gauge_percent fails on purpose.
for target in cortex-m3-qemu:arm-none-eabi-gcc:qemu-system-arm \
              powerpc-linux-qemu:powerpc-linux-gnu-gcc:qemu-ppc; do
    IFS=: read -r toolchain compiler emulator <<<"$target"
    if ! command -v "$compiler" >/dev/null 2>&1 || ! command -v "$emulator" >/dev/null 2>&1; then
        echo "($toolchain: $compiler or $emulator is missing, not run)"
        continue
    fi
    step "cmake -S $here/cmake -B $work/$toolchain -DCMAKE_TOOLCHAIN_FILE=\$HARNEXDIR/cmake/toolchains/$toolchain.cmake"
    cmake -S "$here/cmake" -B "$work/$toolchain" "${generator[@]}" -DVEXOR_DIR="$HARNEXDIR" \
        -DCMAKE_TOOLCHAIN_FILE="$HARNEXDIR/cmake/toolchains/$toolchain.cmake" >/dev/null
    cmake --build "$work/$toolchain" >/dev/null
    status=0
    (cd "$work/$toolchain" && ctest) || status=$?
    echo "ctest exit status $status on $toolchain (gauge_percent is the test meant to fail)"
done
