#!/usr/bin/env bash
# The main job on the bundled example: compile the calculator's test script
# with the freshly built compiler and show where the outputs are.
set -uo pipefail
tree=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work="$tree/demo"
rm -rf "$work"
mkdir -p "$work/out"
cd "$work"

export HARNEXDIR="$tree/dist"
export VXUTGT="$tree/dist/target"

echo "== vexorprepro $here/calc.ptu out/calc_test.c out/"
"$HARNEXDIR/bin/vexorprepro" "$here/calc.ptu" out/calc_test.c out/ -LANGUAGE=C
status=$?
echo "== exit status $status"
echo "== outputs in $work:"
ls -l "$work" "$work/out"
# 0 clean, 3 warnings: the demo worked; anything else is a failure.
[ $status -eq 0 ] || [ $status -eq 3 ]
