#!/usr/bin/env bash
# The whole compile of a script whose native lines include the headers of
# the C library and of POSIX (preprocessing, declaration analysis, harness)
# against gcc -fsyntax-only on the same headers, whole process. Runs
# alternate, 7 of each; prints the medians of wall time, processor time
# (user and system) and peak memory, the ratios ours / gcc, and the
# diagnostics of our run. On a shared machine the processor time is the
# steadier figure.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=bench/lib/measure.sh
source "$(dirname "$0")/lib/measure.sh"

headers=(assert.h ctype.h errno.h float.h inttypes.h limits.h locale.h math.h setjmp.h
         signal.h stdarg.h stdbool.h stddef.h stdint.h stdio.h stdlib.h string.h time.h
         wchar.h wctype.h unistd.h fcntl.h pthread.h sys/types.h sys/stat.h sys/socket.h
         sys/wait.h sys/mman.h netinet/in.h arpa/inet.h netdb.h dirent.h regex.h sys/time.h
         poll.h termios.h dlfcn.h sys/select.h sys/uio.h sys/utsname.h glob.h fnmatch.h grp.h
         pwd.h sched.h semaphore.h syslog.h)
{
    echo "HEADER headers, 1.0, , the C library and POSIX"
    for h in "${headers[@]}"; do echo "##include <$h>"; done
    echo "#int x;"
    echo "BEGIN"
    echo "SERVICE s"
    echo "TEST t"
    echo "FAMILY f"
    echo "ELEMENT"
    echo "#x = (int)strlen(\"ab\");"
    echo "END ELEMENT"
    echo "END FAMILY"
    echo "END TEST"
    echo "END SERVICE"
} > "$work/s.ptu"
for h in "${headers[@]}"; do echo "#include <$h>"; done > "$work/headers.c"

: > "$work/ours"
: > "$work/gcc"
cd "$work"
for run in 1 2 3 4 5 6 7; do
    measure "$work/t" env HARNEXDIR="$tree/dist" VXLTGT="$tree/dist/target" VEXOR_SUPPRESS_COPYRIGHT=1 \
        "$tree/dist/bin/vexorprepro" s.ptu t.c
    cat "$work/t" >> "$work/ours"
    measure "$work/g" gcc -fsyntax-only "$work/headers.c"
    cat "$work/g" >> "$work/gcc"
done
ours_time=$(median "$work/ours" 1)
ours_peak=$(median "$work/ours" 2)
ours_cpu=$(median "$work/ours" 3)
gcc_time=$(median "$work/gcc" 1)
gcc_peak=$(median "$work/gcc" 2)
gcc_cpu=$(median "$work/gcc" 3)
echo "vexorprepro:       wall ${ours_time} s, processor ${ours_cpu} s, peak ${ours_peak} kB"
echo "gcc -fsyntax-only: wall ${gcc_time} s, processor ${gcc_cpu} s, peak ${gcc_peak} kB"
awk -v a="$ours_time" -v b="$gcc_time" -v c="$ours_peak" -v d="$gcc_peak" \
    'BEGIN { printf "ratio ours/gcc: wall %.2f, peak memory %.2f\n", (b > 0 ? a / b : 0), c / d }'
echo "diagnostics of the compile:"
grep -c -E '^Harnex-[WE]-' "$work/t.err" || true
grep -E '^Harnex-[WE]-' "$work/t.err" | head -5 || true
