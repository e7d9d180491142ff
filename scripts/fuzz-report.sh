#!/usr/bin/env bash
# Builds the fuzz target of vexorreport's readers (link records, traces,
# verdict, text and JUnit output) with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in build-fuzz/, and runs it for the given
# number of seconds (default 600) on a corpus kept in
# build-fuzz/corpus-report, seeded with the link record files of the
# harness tests, each followed by a NUL byte and a traces file, and with
# link records whose main script record names another file.
#
#   scripts/fuzz-report.sh [seconds] [extra libFuzzer options...]
#
# Findings are written to build-fuzz/findings-report.
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
cmake --build "$build" --target report_readers_fuzz -j 2

corpus="$build/corpus-report"
findings="$build/findings-report"
mkdir -p "$corpus" "$findings"
traces='VXU-TRACES 3\nH 5eed5eed5eed5eed\nO 1 "add"\nT 2 "t1"\nS\nI 4 int/10 1\nZ 13\nK 0 0\nC 4 int/16 1 0 ok 1 1 1\nC 5 str 1 1 KO "a\\"b"~ @12"c" NULL\n[ 4\nC 4 double 1 1 ok 1.5 1 2\n] 4\nK 2 0\nC 0 uns/2 1 0 KO 3 2 2\nM 4 1 1\nW "w"\nX 4\nR 9 2\nE\nF 20\n'
for tdc in "$root"/tests/harness/*.tdc; do
  { cat "$tdc"; printf '\000'; printf "$traces"; } > "$corpus/seed_$(basename "$tdc")"
done
# The main script record pointed at a file that is not the script, with a
# fingerprint that is not that file's (the end record counted again).
for target in /etc/passwd "$root/README.md"; do
  { awk -v target="$target" '
      /^Z / { next }
      /^E11 0 / { print "E11 0 " target; print "E23 0 12 0123456789abcdef"; n += 2; next }
      { print; n++ }
      END { printf "Z %d 5eed5eed5eed5eed\n", n }' "$root/tests/harness/worked.tdc"
    printf '\000'; printf "$traces"; } > "$corpus/seed_other_file_$(basename "$target")"
done

exec "$build/fuzz/report_readers_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -max_len=16384 -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 "$@"
