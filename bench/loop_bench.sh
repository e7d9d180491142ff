#!/usr/bin/env bash
# The whole loop a user waits for, step by step, for 1000 and 10000 trivial
# tests: vexorprepro, gcc -O0 of the harness, the run with each isolation
# (a process per test, one process until a crash, none), and vexorreport
# (text alone, then with the JUnit file and the page). Beside it, the same
# 1000 tests written for GoogleTest: g++ -O0 and the run. One run of each
# step, wall seconds.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/bench/lib/measure.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > unit.h <<'H'
#include <stdint.h>
extern int32_t level;
int32_t bump(int32_t by);
H
cat > unit.c <<'C'
#include "unit.h"
int32_t level;
int32_t bump(int32_t by) { level += by; return level; }
C

seconds() {  # COMMAND...: the wall seconds it took
    local begin end
    begin=$(date +%s%N)
    "$@" > /dev/null 2>&1 || true
    end=$(date +%s%N)
    awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.2f", (e - b) / 1e9 }'
}

for tests in 1000 10000; do
    tests_script "b$tests.ptu" "$tests" "VAR level, INIT = 1, EV = 2" "bump(1);"
    compile=$(seconds env HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 \
        VXLTGT="$tree/dist/target" "$tree/dist/bin/vexorprepro" "b$tests.ptu" "t$tests.c")
    build=$(seconds cc -O0 -I"$tree/dist/target/lib" -I. "t$tests.c" unit.c \
        "$tree/dist/target/lib/TP.c" -o "t$tests")
    forked=$(seconds "./t$tests" --traces "t$tests.rio")
    crash=$(seconds "./t$tests" --isolation crash --traces "c$tests.rio")
    none=$(seconds "./t$tests" --no-fork --traces "n$tests.rio")
    text=$(seconds "$tree/dist/bin/vexorreport" "t$tests.tdc" "t$tests.rio")
    all=$(seconds "$tree/dist/bin/vexorreport" --junit "t$tests.xml" --html "t$tests.html" \
        "t$tests.tdc" "t$tests.rio")
    echo "$tests tests: vexorprepro $compile s, gcc -O0 $build s, run $forked s" \
        "(crash isolation $crash s, none $none s), report $text s (with JUnit and page $all s)"
done

# The same 1000 tests for GoogleTest.
if [ -f /usr/include/gtest/gtest.h ]; then
    {
        echo '#include <gtest/gtest.h>'
        echo 'extern "C" {'
        echo '#include "unit.h"'
        echo '}'
        for ((t = 1; t <= 1000; t++)); do
            printf 'TEST(service_%d, test_%d) { level = 1; bump(1); EXPECT_EQ(level, 2); }\n' \
                $(( (t - 1) / 100 + 1 )) "$t"
        done
    } > gtest_bump.cpp
    cc -O0 -c unit.c -o unit.o
    build=$(seconds g++ -O0 -I. gtest_bump.cpp unit.o -lgtest -lgtest_main -pthread -o gtest_bump)
    run=$(seconds ./gtest_bump)
    echo "1000 tests in GoogleTest: g++ -O0 $build s, run $run s"
fi
