#!/usr/bin/env bash
# Builds the fuzz target of the analyser of script values with clang,
# libFuzzer and the address and undefined-behaviour sanitizers in
# build-fuzz/, and runs it for the given number of seconds (default 600) on
# a corpus kept in build-fuzz/corpus-expression, seeded with typical values
# of CONST, DELTA and variable statements.
#
#   scripts/fuzz-script-expression.sh [seconds] [extra libFuzzer options...]
#
# Findings (crash-*, leak-*, timeout-* files) are written to
# build-fuzz/findings-expression.
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
cmake --build "$build" --target script_expression_fuzz -j 2

corpus="$build/corpus-expression"
findings="$build/findings-expression"
mkdir -p "$corpus" "$findings"
# Each seed is a mode byte (in octal) and a value text.
n=0
while IFS=' ' read -r mode seed; do
  n=$((n + 1))
  printf "\\$mode%s" "$seed" > "$corpus/seed_$n"
done <<'SEEDS'
003 1 + 2 * 3
003 -5 - -N * 2
003 A + 1.5E3 / (b - 0x1F)
003 "ab\n\101" & "cd" + 'x'
003 f(1, t[2, 3])->m.n + *p - &buf
003 sizeof(char *) + sizeof(int **)
023 5%
123 2.5%
000 x'first + "a""b" & 'c'
001 p^.f[1..3] + [1, 2]
002 @x + @(y) + 0FFH - 0101B
004 #5 + a.b.c
044 lab.sub + 1
006 ::ns::v + a->*m + o.*m - 017 + 018 + 10L
003 187072209578355573530071658587684226515959365500927 + 1
003 (((((((((((((((1)))))))))))))))
013 "a" + 1
013 -"a"
003 (*p).x[N]
SEEDS

exec "$build/fuzz/script_expression_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -dict="$root/scripts/script_expression.dict" -max_len=24576 -timeout=10 -rss_limit_mb=2048 \
  -close_fd_mask=2 -print_final_stats=1 "$@"
