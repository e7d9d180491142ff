#!/usr/bin/env bash
# Builds the fuzz target of the declaration analysis with clang, libFuzzer
# and the address and undefined-behaviour sanitizers in build-fuzz/, and
# runs it for the given number of seconds (default 600) on a corpus kept in
# build-fuzz/corpus-decl, seeded with declarations of every kind and, when
# gcc is there, with the preprocessed text of a few system headers.
#
#   scripts/fuzz-declarations.sh [seconds] [extra libFuzzer options...]
#
# Findings are written to build-fuzz/findings-decl.
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
cmake --build "$build" --target declaration_parser_fuzz -j 2

corpus="$build/corpus-decl"
findings="$build/findings-decl"
mkdir -p "$corpus" "$findings"
printf '\000typedef struct point { int x, y; } point_t;\nstruct shape { point_t c[4]; union { int i; float f; } u; unsigned f : 3; enum kind { A = 1, B } k; void (*draw)(const struct shape *, int); };\n' > "$corpus/seed_struct"
printf '\002int add(a, b) int a; char b; { return a + b; }\nstatic inline int twice(int v) { { return 2 * v; } }\nextern int (*handlers[8])(void *);\n' > "$corpus/seed_functions"
printf '\001# 1 "u.h"\n#pragma vexor sizeof long 64\nunsigned long long x = 3; char *const names[N * 2]; int _in f(_out int *p); enum {P, Q = X * 2, R};\n' > "$corpus/seed_misc"
if command -v gcc > /dev/null; then
  for h in stdio.h stdlib.h string.h; do
    { printf '\000'; echo "#include <$h>" | gcc -E -P -U__GNUC__ -D__attribute__\(x\)= -D__extension__= -D__restrict= -D__asm__\(x\)= - 2>/dev/null | head -c 20000; } > "$corpus/seed_$h" || true
  done
fi

exec "$build/fuzz/declaration_parser_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$@"
