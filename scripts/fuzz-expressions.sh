#!/usr/bin/env bash
# Builds the fuzz target of the expression analysis with clang, libFuzzer
# and the address and undefined-behaviour sanitizers in build-fuzz/, and
# runs it for the given number of seconds (default 600) on a corpus kept in
# build-fuzz/corpus-expr, seeded with expressions and aggregates of every
# kind.
#
#   scripts/fuzz-expressions.sh [seconds] [extra libFuzzer options...]
#
# Findings are written to build-fuzz/findings-expr.
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
cmake --build "$build" --target expression_fuzz -j 2

corpus="$build/corpus-expr"
findings="$build/findings-expr"
mkdir -p "$corpus" "$findings"
printf '\000shapes[1].corners[2].x + current->next->color * -(3) / 0x1fU' > "$corpus/seed_members"
printf '\010{{1, 2, 3}, [0 => 4, 1..2 => 5, others => 0]}' > "$corpus/seed_aggregate"
printf "\\001[0 => 'a', GREEN => '\\\\n', t[1]..4 => L'x', autres => \"s\\\\x41\" \"t\"]" > "$corpus/seed_assoc"
printf '\004(size_t)sizeof(point_t) ? x : y << 2 >= 1.5e-3F && !~origin.x' > "$corpus/seed_cast"
printf '\002compute(t[-1], m[2][0]) + (a, b) + [1..] + x++ + (ratio = 2)' > "$corpus/seed_refused"
printf "\\000'ab' + '\\\\777' + 012 + 0b101 + 1.2.3 + 1uu + 99999999999999999999LL" > "$corpus/seed_numbers"

exec "$build/fuzz/expression_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$@"
