#!/usr/bin/env bash
# Whole-process cost of compiling scripts whose every element sets and
# checks five variables declared in a unit header (two ints, a double with
# a tolerance, a string and a struct member): 1000, 5000 and 10000 tests.
# Prints wall time, processor time and peak memory of each run; the cost
# should grow linearly with the number of tests and the peak memory stay
# flat. The target is under one second for 10000 tests.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/unit.h" <<'H'
struct reading { int channel; double value; };
extern int count, total;
extern double mean;
extern char label[16];
extern struct reading last;
void measure(int n);
H

make_script() {  # tests
    local tests=$1
    {
        echo "HEADER bench, 1.0, , generated"
        echo "##include \"unit.h\""
        echo "BEGIN"
        for ((t = 1; t <= tests; t++)); do
            if (( (t - 1) % 100 == 0 )); then
                (( t > 1 )) && echo "END SERVICE"
                echo "SERVICE service_$(( (t - 1) / 100 + 1 ))"
            fi
            echo "TEST test_$t"
            echo "FAMILY nominal"
            echo "ELEMENT"
            echo "VAR count, INIT = $t, EV = $((t + 1))"
            echo "VAR total, INIT = 0, EV = $t"
            echo "VAR mean, INIT = 0.0, EV = $t.5, DELTA = 0.01"
            echo "VAR label, INIT = \"t$t\", EV = \"done\""
            echo "VAR last.channel, INIT = 0, EV = $((t % 8))"
            echo "#measure($t);"
            echo "END ELEMENT"
            echo "END FAMILY"
            echo "END TEST"
        done
        echo "END SERVICE"
    } > "$work/s$tests.ptu"
}

for tests in 1000 5000 10000; do
    make_script "$tests"
    (
        cd "$work"
        HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 VXLTGT="$tree/dist/target" \
            /usr/bin/time -v "$tree/dist/bin/vexorprepro" "s$tests.ptu" "t$tests.c" \
            2> "time$tests.txt" >/dev/null || true
        wall=$(grep 'Elapsed (wall' "time$tests.txt" | awk '{print $NF}')
        user=$(grep 'User time' "time$tests.txt" | awk '{print $NF}')
        system=$(grep 'System time' "time$tests.txt" | awk '{print $NF}')
        peak=$(grep 'Maximum resident' "time$tests.txt" | awk '{print $NF}')
        checks=$(grep -c '^EDV_' "t$tests.c" || true)
        echo "$tests tests: wall $wall, user ${user} s, system ${system} s, peak ${peak} kB, $checks checks"
    )
done
