#!/usr/bin/env bash
# Builds the fuzz target of the command line with option files with clang,
# libFuzzer and the address and undefined-behaviour sanitizers in
# build-fuzz/, and runs it for the given number of seconds (default 600) on
# a corpus kept in build-fuzz/corpus-command-line, seeded with option files
# and argument vectors of every kind. The analyser's refusals go to
# standard error, which the run closes (-close_fd_mask=2).
#
#   scripts/fuzz-command-line.sh [seconds] [extra libFuzzer options...]
#
# Findings are written to build-fuzz/findings-command-line.
set -euo pipefail

seconds="${1:-600}"
shift || true

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DVX_SANITIZE=ON -DVX_TESTS=OFF -DVX_FUZZ=ON
cmake --build "$build" --target command_line_fuzz -j 2

corpus="$build/corpus-command-line"
findings="$build/findings-command-line"
mkdir -p "$corpus" "$findings"
printf '# options\n-TARGET=$HOME -COMMAND="make all"\t-E=\\\n5\n-DEFINE=A\\,B @nested\n\000s.ptu\000t.c\000@\000-XT=3,0\000' > "$corpus/seed_file"
printf -- '-SERVICE=a,b -EXTEST=x\n\001s.ptu\000t.c\000out\000-OPTION=\000-NOCOMMAND=x\000-LANG=CSQL\000-W=12abc' > "$corpus/seed_vector"
printf '"unterminated \\\n$VX_$HOME$$\n\000@\000@\000$PATH/x.ptu\000-STD_DEFINE=a"b\000-RIONAME=a\nb' > "$corpus/seed_quotes"

exec "$build/fuzz/command_line_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -max_len=8192 -timeout=30 -rss_limit_mb=2048 -close_fd_mask=2 -print_final_stats=1 "$@"
