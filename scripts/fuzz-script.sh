#!/usr/bin/env bash
# Builds the fuzz target of the script front end with clang, libFuzzer and
# the address and undefined-behaviour sanitizers in build-fuzz/, and runs it
# for the given number of seconds (default 600) on a corpus kept in
# build-fuzz/corpus, seeded with the example scripts of the repository.
#
#   scripts/fuzz-script.sh [seconds] [extra libFuzzer options...]
#
# The target runs every input in a private temporary directory that it
# removes at exit; findings (crash-*, leak-*, timeout-* files) are written
# to build-fuzz/findings.
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
cmake --build "$build" --target script_fuzz -j 2

corpus="$build/corpus"
findings="$build/findings"
mkdir -p "$corpus" "$findings"
# Seeds: every script of the repository, each behind an option byte of 0.
while IFS= read -r -d '' seed; do
  name="$(basename "$seed")"
  { printf '\000'; cat "$seed"; } > "$corpus/seed_$name"
done < <(find "$root/examples" "$root/tests" -name '*.ptu' -print0 2>/dev/null)
if [ -z "$(ls -A "$corpus")" ]; then
  printf '\000HEADER m, 1, , c\nBEGIN\nSERVICE s\nTEST t\nELEMENT\nVAR x, INIT = 0\nEND ELEMENT\nEND TEST\nEND SERVICE\n' \
    > "$corpus/seed_minimal"
fi

exec "$build/fuzz/script_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -dict="$root/scripts/script.dict" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -close_fd_mask=2 -print_final_stats=1 "$@"
