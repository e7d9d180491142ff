#!/usr/bin/env bash
# Whole-process cost of compiling large scripts: services of 100 tests with
# one element each, 1000 and 10000 tests in all. Prints wall time and peak
# memory of each run; the cost should grow linearly with the number of tests
# while the peak memory stays flat, since only one test's text is held in
# memory at a time.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_script() {  # services tests-per-service
    local services=$1 tests=$2
    {
        echo "HEADER bench, 1.0, , generated"
        echo "#int x;"
        echo "BEGIN"
        for ((s = 1; s <= services; s++)); do
            echo "SERVICE service_$s"
            for ((t = 1; t <= tests; t++)); do
                echo "TEST test_$t"
                echo "FAMILY nominal"
                echo "ELEMENT"
                echo "#x = $s + $t;"
                echo "END ELEMENT"
                echo "END FAMILY"
                echo "END TEST"
            done
            echo "END SERVICE"
        done
    } > "$work/s$services.ptu"
}

for services in 10 100; do
    make_script "$services" 100
    (
        cd "$work"
        HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 VXLTGT="$tree/dist/target" \
            /usr/bin/time -v "$tree/dist/bin/vexorprepro" "s$services.ptu" "t$services.c" \
            2> "time$services.txt" >/dev/null || true
        tests=$((services * 100))
        wall=$(grep 'Elapsed (wall' "time$services.txt" | awk '{print $NF}')
        peak=$(grep 'Maximum resident' "time$services.txt" | awk '{print $NF}')
        lines=$(wc -l < "t$services.c")
        echo "$tests tests ($services services): wall $wall, peak ${peak} kB, $lines generated lines"
    )
done
