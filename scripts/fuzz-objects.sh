#!/usr/bin/env bash
# Builds the fuzz target of vexorstubs's readers (ELF objects, archives and
# shared libraries; prototypes cut from header text) with clang, libFuzzer
# and the address and undefined-behaviour sanitizers in build-fuzz/, and
# runs it for the given number of seconds (default 600) on a corpus kept in
# build-fuzz/corpus-objects, seeded with objects and an archive compiled
# here for the host and for the cross targets that are installed, and with
# the headers of examples/stubs.
#
#   scripts/fuzz-objects.sh [seconds] [extra libFuzzer options...]
#
# Findings are written to build-fuzz/findings-objects.
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
cmake --build "$build" --target object_symbols_fuzz -j 2

corpus="$build/corpus-objects"
findings="$build/findings-objects"
mkdir -p "$corpus" "$findings"
seeds="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
unit="$root/examples/stubs/unit"
for cc in cc arm-none-eabi-gcc powerpc-linux-gnu-gcc; do
  if command -v "$cc" >/dev/null 2>&1; then
    "$cc" -c -I"$unit" -o "$seeds/link-$cc.o" "$unit/link.c"
    cp "$seeds/link-$cc.o" "$corpus/"
  fi
done
ar rc "$seeds/link.a" "$seeds"/link-*.o
cp "$seeds/link.a" "$corpus/"
cp "$unit"/*.h "$unit"/board/*.h "$corpus/"

"$build/fuzz/object_symbols_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" -max_len=65536 "$@"
