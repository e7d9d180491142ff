#!/usr/bin/env bash
# Builds the fuzz target of the values of C types (aggregate values spread
# over the components of a variable, and the checks of one value) with
# clang, libFuzzer and the address and undefined-behaviour sanitizers in
# build-fuzz/, and runs it for the given number of seconds (default 600) on
# a corpus kept in build-fuzz/corpus-values, seeded with lists of every
# form.
#
#   scripts/fuzz-values.sh [seconds] [extra libFuzzer options...]
#
# Findings are written to build-fuzz/findings-values.
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
cmake --build "$build" --target c_values_fuzz -j 2

corpus="$build/corpus-values"
findings="$build/findings-values"
mkdir -p "$corpus" "$findings"
printf '\006{1, {2, 3}, 4}' > "$corpus/seed_struct"
printf '\000[0 => 1, 1..3 => 2, others => 0]' > "$corpus/seed_ranges"
printf '\004{{1, "\\x01\\x00\\x02"}, others => {2, {others => 9}}}' > "$corpus/seed_structs"
printf '\002"\\xba\\x00\\x7f\\x10"' > "$corpus/seed_bytes"
printf '\000{LOW + 1 => 5, NEXT => 1, others => 0}' > "$corpus/seed_enums"
printf '\010{{1, 2, 3}, autres => {autres => 7}}' > "$corpus/seed_nested"
printf "\\012{'x'}" > "$corpus/seed_string"

exec "$build/fuzz/c_values_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$@"
