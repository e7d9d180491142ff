#!/usr/bin/env bash
# Builds the fuzz target of the C preprocessor with clang, libFuzzer and the
# address and undefined-behaviour sanitizers in build-fuzz/, and runs it for
# the given number of seconds (default 600) on a corpus kept in
# build-fuzz/corpus-cpp, seeded with the C files of the repository and a few
# directive-heavy texts.
#
#   scripts/fuzz-cpp.sh [seconds] [extra libFuzzer options...]
#
# Findings (crash-*, leak-*, timeout-* files) are written to
# build-fuzz/findings-cpp. The timeout leaves room for the texts that run
# into the bound on macro expansions of one text under the instrumentation.
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
cmake --build "$build" --target preprocessor_fuzz -j 2

corpus="$build/corpus-cpp"
findings="$build/findings-cpp"
mkdir -p "$corpus" "$findings"
while IFS= read -r -d '' seed; do
  name="$(basename "$seed")"
  { printf '\000'; head -c 8000 "$seed"; } > "$corpus/seed_$name"
done < <(find "$root/examples" "$root/tests/e2e" "$root/runtime/lib" -name '*.[ch]' -print0 2>/dev/null)
printf '\000#include <a.h>\n#include "b.h"\n#include <c.h>\nA(1,2,3) S(x "y\\n") P(a,b) NEXT\n' > "$corpus/seed_includes"
printf '\001#if defined(X) || #machine(Y) && !#lint(on)\nx\n#elif 1\ny\n#else\n#else\n#endif\n#ifdef 9\n#endif\n#if 1\n' > "$corpus/seed_conditionals"
printf '\002#define F(a, ...) #a #@a a##__VA_ARGS__\n#define G[x] F(x,x)\nG[1] F() F(1,2,3)\n#define R R\nR\n' > "$corpus/seed_macros"
printf '\004#pragma vexor pragma "p" = "#pragma vexor stop_analyse"\n#pragma p\nhidden\n#pragma vexor start\n#pragma vexor incl_std\n#pragma vexor incl_std "/tmp"\n#line 7 "x"\n#error e\n' > "$corpus/seed_pragmas"

exec "$build/fuzz/preprocessor_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -dict="$root/scripts/cpp.dict" -max_len=16384 -timeout=30 -rss_limit_mb=2048 \
  -print_final_stats=1 "$@"
