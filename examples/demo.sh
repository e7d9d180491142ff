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

# One example: script, unit (the C file of the same name), test program.
example() {
    local name=$1 unit=$2 status=0
    step "vexorprepro $name.ptu out/${name}_test.c out/ -LANGUAGE=C"
    "$HARNEXDIR/bin/vexorprepro" "$here/$name.ptu" "out/${name}_test.c" out/ -LANGUAGE=C || status=$?
    echo "exit status $status"
    # 0 clean, 3 warnings: the harness was written; anything else stops here.
    [ $status -eq 0 ] || [ $status -eq 3 ]

    step "cc -I\$VXLTGT/lib -Iout -I$here out/${name}_test.c $unit.c TP.c -o out/${name}_test"
    cc -std=c99 -I"$VXLTGT/lib" -Iout -I"$here" "out/${name}_test.c" "$here/$unit.c" \
        "$VXLTGT/lib/TP.c" -o "out/${name}_test"

    step "out/${name}_test"
    "out/${name}_test"

    step "vexorreport out/${name}_test.tdc out/${name}_test.rio --junit out/${name}_test.xml"
    "$HARNEXDIR/bin/vexorreport" --junit "out/${name}_test.xml" "out/${name}_test.tdc" \
        "out/${name}_test.rio"
}

example calc calc
# The thermostat calls its board driver, which the script replaces by
# stubs: the harness holds read_temperature and set_heater, and the build
# links thermo.c alone.
example thermo thermo

step "outputs in $work/out"
ls -l out
