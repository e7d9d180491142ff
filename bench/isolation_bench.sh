#!/usr/bin/env bash
# Wall time of a harness of 10000 trivial tests run with each isolation:
# test (a process per test, the default), crash (the tests in one process,
# a fresh one only after a crash, an exit or a time-out) and none (the
# harness's own process). Medians of three runs. Crash isolation should
# stay within twice the time of none.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/bench/lib/measure.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tests=10000

cat > "$work/unit.h" <<'H'
#include <stdint.h>
extern int32_t level;
int32_t bump(int32_t by);
H
cat > "$work/unit.c" <<'C'
#include "unit.h"
int32_t level;
int32_t bump(int32_t by) { level += by; return level; }
C
tests_script "$work/bump.ptu" "$tests" "VAR level, INIT = 1, EV = 2" "bump(1);"

cd "$work"
HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 VXLTGT="$tree/dist/target" \
    "$tree/dist/bin/vexorprepro" bump.ptu t.c > /dev/null 2>&1
cc -O2 -I"$tree/dist/target/lib" -I. t.c unit.c "$tree/dist/target/lib/TP.c" -o t

for mode in test crash none; do
    : > "$mode.runs"
    for run in 1 2 3; do
        measure one ./t --isolation "$mode" --traces "$mode.rio"
        cat one >> "$mode.runs"
    done
    "$tree/dist/bin/vexorreport" t.tdc "$mode.rio" | grep -q "VERDICT: PASSED" || {
        echo "--isolation $mode: the run did not pass" >&2
        exit 1
    }
done
none=$(median none.runs 1)
for mode in test crash none; do
    wall=$(median "$mode.runs" 1)
    echo "$tests trivial tests, --isolation $mode: ${wall} s wall ($(median "$mode.runs" 3) s" \
        "processor), $(awk -v a="$wall" -v b="$none" 'BEGIN { printf "%.2f", a / b }')x none"
done
