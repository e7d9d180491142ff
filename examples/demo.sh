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

step "vexorprepro calc.ptu out/calc_test.c out/ -LANGUAGE=C"
status=0
"$HARNEXDIR/bin/vexorprepro" "$here/calc.ptu" out/calc_test.c out/ -LANGUAGE=C || status=$?
echo "exit status $status"
# 0 clean, 3 warnings: the harness was written; anything else stops here.
[ $status -eq 0 ] || [ $status -eq 3 ]

step "cc -I\$VXLTGT/lib -Iout -I$here out/calc_test.c calc.c TP.c -o out/calc_test"
cc -std=c99 -I"$VXLTGT/lib" -Iout -I"$here" out/calc_test.c "$here/calc.c" \
    "$VXLTGT/lib/TP.c" -o out/calc_test

step "out/calc_test"
out/calc_test

step "vexorreport out/calc_test.tdc out/calc_test.rio --junit out/calc_test.xml"
"$HARNEXDIR/bin/vexorreport" --junit out/calc_test.xml out/calc_test.tdc out/calc_test.rio

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
