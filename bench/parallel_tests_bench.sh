#!/usr/bin/env bash
# Wall time of a harness of 2000 tests, each sleeping 5 ms in the unit,
# run with --jobs 1 and --jobs 2 (and --jobs N for the machine's N cores
# when N > 2). Sleeping tests leave the processors idle, so the ratio shows
# what running tests side by side gains on the harness's own work (fork,
# copying the traces back in order) and should be close to the number of
# jobs. Each figure is the median of three runs; the reports of the runs
# must be the same.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/bench/lib/measure.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tests=2000

cat > "$work/unit.h" <<'H'
#include <stdint.h>
#define NAP_US 5000u
extern uint32_t naps;
uint32_t nap(uint32_t microseconds);
H
cat > "$work/unit.c" <<'C'
#define _POSIX_C_SOURCE 200809L
#include <time.h>
#include "unit.h"
uint32_t naps;
uint32_t nap(uint32_t microseconds)
{
    struct timespec pause = {0, (long)microseconds * 1000L};
    nanosleep(&pause, NULL);
    return ++naps;
}
C
tests_script "$work/nap.ptu" "$tests" "VAR naps, INIT = 0, EV = 1" "nap(NAP_US);"

cd "$work"
HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 VXLTGT="$tree/dist/target" \
    "$tree/dist/bin/vexorprepro" nap.ptu t.c > /dev/null 2>&1
cc -O2 -I"$tree/dist/target/lib" -I. t.c unit.c "$tree/dist/target/lib/TP.c" -o t

cores=$(nproc)
job_counts="1 2"
(( cores > 2 )) && job_counts="$job_counts $cores"
for jobs in $job_counts; do
    : > "jobs$jobs.runs"
    for run in 1 2 3; do
        measure "one" ./t --jobs "$jobs" --traces "jobs$jobs.rio"
        cat one >> "jobs$jobs.runs"
    done
    "$tree/dist/bin/vexorreport" t.tdc "jobs$jobs.rio" | sed 's/ in [0-9.]* [mu]*s$//' \
        > "report$jobs.txt" || true
    if ! cmp -s report1.txt "report$jobs.txt"; then
        echo "--jobs $jobs: the report differs from --jobs 1" >&2
        exit 1
    fi
done
# The machine's own ceiling: a bare program that forks the same number of
# children sleeping 5 ms, one or two at a time, in any order.
cat > bare.c <<'C'
#define _POSIX_C_SOURCE 200809L
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
int main(int argc, char **argv)
{
    int jobs = argc > 1 ? atoi(argv[1]) : 1;
    int running = 0;
    for (int i = 0; i < 2000; ++i) {
        if (running == jobs) {
            wait(NULL);
            --running;
        }
        if (fork() == 0) {
            struct timespec pause = {0, 5000000L};
            nanosleep(&pause, NULL);
            _exit(0);
        }
        ++running;
    }
    while (running-- > 0) {
        wait(NULL);
    }
    return 0;
}
C
cc -O2 bare.c -o bare
for jobs in 1 2; do
    : > "bare$jobs.runs"
    for run in 1 2 3; do
        measure one ./bare "$jobs"
        cat one >> "bare$jobs.runs"
    done
done
echo "bare fork of 2000 children of 5 ms: 1 at a time $(median bare1.runs 1) s, 2 at a time" \
    "$(median bare2.runs 1) s, $(awk -v a="$(median bare1.runs 1)" -v b="$(median bare2.runs 1)" \
    'BEGIN { printf "%.2f", a / b }')x"
one=$(median jobs1.runs 1)
for jobs in $job_counts; do
    wall=$(median "jobs$jobs.runs" 1)
    echo "$tests tests of 5 ms, --jobs $jobs: ${wall} s wall ($(median "jobs$jobs.runs" 3) s processor)," \
        "$(awk -v a="$one" -v b="$wall" 'BEGIN { printf "%.2f", a / b }')x --jobs 1 ($cores cores)"
done
