#!/usr/bin/env bash
# Cost of vexorreport on traces of a test repeated by LOOP: 10000, 20000,
# 40000, 80000 and 400000 runs of one element with one check, traced by a
# real harness. Prints, for the text report alone and for the text, JUnit
# and page together, the wall time, the trace lines read per second and the
# peak memory against the size of the traces file. The time should grow
# linearly with the runs.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > unit.h <<'H'
#include <stdint.h>
extern int32_t level;
void settle(void);
H
cat > unit.c <<'C'
#include "unit.h"
int32_t level;
void settle(void) { level = level + 1; }
C
for runs in 10000 20000 40000 80000 400000; do
    cat > "r$runs.ptu" <<S
HEADER runs, 1.0, , generated
##include "unit.h"
BEGIN
SERVICE settle
TEST repeated LOOP $runs
FAMILY nominal
ELEMENT
VAR level, INIT = 1, EV = 2
#settle();
END ELEMENT
END FAMILY
END TEST
END SERVICE
S
    HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 VXLTGT="$tree/dist/target" \
        "$tree/dist/bin/vexorprepro" "r$runs.ptu" "t$runs.c" > /dev/null 2>&1
    cc -O1 -I"$tree/dist/target/lib" -I. "t$runs.c" unit.c "$tree/dist/target/lib/TP.c" -o "t$runs"
    "./t$runs" > /dev/null
    lines=$(wc -l < "t$runs.rio")
    size=$(stat -c %s "t$runs.rio")
    for outputs in text all; do
        extra=()
        [ "$outputs" = all ] && extra=(--junit "t$runs.xml" --html "t$runs.html")
        /usr/bin/time -f '%e %M' -o time.txt "$tree/dist/bin/vexorreport" "${extra[@]}" \
            "t$runs.tdc" "t$runs.rio" > "t$runs.txt" || true
        read -r seconds peak < time.txt
        awk -v r="$runs" -v o="$outputs" -v s="$seconds" -v l="$lines" -v p="$peak" -v z="$size" \
            'BEGIN { printf "%6d runs, %-4s: %6.2f s, %7.0f lines/s, peak %6.1f MB (%.1fx the traces)\n",
                     r, o, s, (s > 0 ? l / s : 0), p / 1024, p * 1024 / z }'
    done
    # The page folds the passed runs: its size, and the time headless
    # Chromium takes to load it.
    if command -v chromium > /dev/null; then
        begin=$(date +%s%N)
        chromium --headless --no-sandbox --disable-gpu --dump-dom "file://$work/t$runs.html" \
            > /dev/null 2>&1 || true
        end=$(date +%s%N)
        echo "        page: $(stat -c %s "t$runs.html") bytes, loaded by Chromium in" \
            "$(awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.2f", (e - b) / 1e9 }') s"
    fi
done
