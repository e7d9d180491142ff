#!/usr/bin/env bash
# The preprocessor against gcc -E on the headers of the C library and of
# POSIX, whole process: cpp_headers_bench (the compiler's preprocessing with
# the shipped standard definitions) and gcc -E -undef given the same macros
# and search path, on the same text. Runs alternate, 11 of each; prints the
# medians of wall time and of peak memory, and the ratios ours / gcc.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=bench/lib/measure.sh
source "$(dirname "$0")/lib/measure.sh"
defs="$tree/dist/target/ana/vxus_c.def"
bench="$tree/bench/cpp_headers_bench"

grep '^#define' "$defs" > "$work/macros.h"
includes=()
while IFS= read -r dir; do includes+=("-I$dir"); done < <(
    sed -n 's/^#pragma vexor incl_std "\(.*\)"$/\1/p' "$defs")
for h in assert.h complex.h ctype.h errno.h fenv.h float.h inttypes.h iso646.h limits.h \
         locale.h math.h setjmp.h signal.h stdalign.h stdarg.h stdatomic.h stdbool.h stddef.h \
         stdint.h stdio.h stdlib.h stdnoreturn.h string.h threads.h time.h uchar.h wchar.h \
         wctype.h unistd.h fcntl.h pthread.h sys/types.h sys/stat.h sys/socket.h sys/wait.h \
         sys/mman.h netinet/in.h arpa/inet.h netdb.h dirent.h regex.h sys/time.h poll.h \
         termios.h dlfcn.h sys/select.h sys/uio.h sys/utsname.h glob.h fnmatch.h grp.h pwd.h \
         sched.h semaphore.h syslog.h; do
    echo "#include <$h>"
done > "$work/headers.c"

: > "$work/ours"
: > "$work/gcc"
for run in 1 2 3 4 5 6 7 8 9 10 11; do
    measure "$work/t" env HARNEXDIR="$tree/dist" VXLTGT="$tree/dist/target" "$bench" "$work/headers.c"
    cat "$work/t" >> "$work/ours"
    measure "$work/t" gcc -E -undef -nostdinc -U__STDC_VERSION__ -U__STDC_HOSTED__ \
        -include "$work/macros.h" "${includes[@]}" "$work/headers.c"
    cat "$work/t" >> "$work/gcc"
done
ours_time=$(median "$work/ours" 1)
ours_peak=$(median "$work/ours" 2)
gcc_time=$(median "$work/gcc" 1)
gcc_peak=$(median "$work/gcc" 2)
echo "preprocessor: wall ${ours_time} s, peak ${ours_peak} kB"
echo "gcc -E:       wall ${gcc_time} s, peak ${gcc_peak} kB"
awk -v a="$ours_time" -v b="$gcc_time" -v c="$ours_peak" -v d="$gcc_peak" \
    'BEGIN { printf "ratio ours/gcc: time %.2f, peak memory %.2f\n", (b > 0 ? a / b : 0), c / d }'
