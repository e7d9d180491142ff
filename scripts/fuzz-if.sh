#!/usr/bin/env bash
# Builds the fuzz target of the condition evaluator and the exact constants
# with clang, libFuzzer and the address and undefined-behaviour sanitizers
# in build-fuzz/, and runs it for the given number of seconds (default 600)
# on a corpus kept in build-fuzz/corpus-if, seeded with typical conditions
# of system headers.
#
#   scripts/fuzz-if.sh [seconds] [extra libFuzzer options...]
#
# Findings (crash-*, leak-*, timeout-* files) are written to
# build-fuzz/findings-if.
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
cmake --build "$build" --target if_evaluator_fuzz -j 2

corpus="$build/corpus-if"
findings="$build/findings-if"
mkdir -p "$corpus" "$findings"
n=0
while IFS= read -r seed; do
  n=$((n + 1))
  printf '\000%s' "$seed" > "$corpus/seed_$n"
done <<'SEEDS'
1
0x100000000
0xffffffffffffffffU > 0xffffffffU
-1 > 0u
sizeof(long) == 4
(1 ? 2 : 3) + '\x41' * 'ab'
1/0 || 0 && 2 % 0
(((((1 << 63) >> 62) != 0) ? ~0 : -1))
1.0
'\777' + '\^?' - L'\xff'
123.456e-7
SEEDS

exec "$build/fuzz/if_evaluator_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -dict="$root/scripts/if.dict" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 "$@"
