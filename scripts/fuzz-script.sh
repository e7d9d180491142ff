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
# Synthetic seeds for the paths a short script does not reach: the
# statement length limit, includes, native lines, conditions.
printf '\000HEADER m, 1, , c\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\nVAR x, INIT = 0\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n' \
  > "$corpus/seed_minimal"
printf '\001HEADER m, 1, , c\nBEGIN\n#int g;\n@int h;\n!int i;\nINITIALIZATION\n#init();\nEND INITIALIZATION\nIF A, C\nCOMMENT a\nELSE\nCOMMENT b\nENDIF\nSIMUL\nELSE_SIMUL\nEND SIMUL\nINCLUDE PTU fuzz.ptu\nINCLUDE CODE fz.c\nDEFINE STUB s\n#int f(void);\nEND DEFINE\nNEXT_TEST\n' \
  > "$corpus/seed_blocks"
printf '\001HEADER m, 1, , c\nBEGIN\nENVIRONMENT e(P, Q)\nVAR t[P], int, INIT = Q+1, EV = P\nSTUB f(P) Q\nEND ENVIRONMENT\nUSE e(1, (2, 3))\nSERVICE s\nUSE e(a, "b,c")\nTEST t\nELEMENT\nUSE e(x)\nEND ELEMENT\nEND TEST\nEND SERVICE\n' \
  > "$corpus/seed_environments"
# Variable statements on a small header of types (option byte 1: C analysis).
printf '\001HEADER m, 1, , c\n#struct pt { int x, y; };\n#struct shape { struct pt c[3]; union { int i; float f; } u; unsigned k : 3; char *name; } s;\n#int t[4]; double d; enum e { A, B = 4 } en;\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\nVAR t, INIT = {1, 2, others => 0}, EV = INIT\nARRAY t, INIT IN {1, 2, 3}, EV = 0\nSTR s, INIT = {{{1,2},{3,4},{5,6}}, {7}, 1, "a"}, EV = INIT\nVAR d, INIT FROM 0 TO 10 STEP 2, EV = 1.5, DELTA = 5%%\nVAR en, INIT = B, EV = A\nVAR s.k, INIT = 0, MIN = 0, MAX = 7\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n' \
  > "$corpus/seed_variables"
printf '\001HEADER m, 1, , c\nBEGIN\nDEFINE STUB s\n#int f(_in int a, _out int *b);\n#void g(_inout char *c);\nEND DEFINE\nSERVICE s\nTEST t\nELEMENT\nSTUB f (1, 2) 0\nSTUB f 2..4 (, 3) 1\nSTUB g ("a" => 98)\nSTUB f 3 (1 2\nSTUB h\nEND ELEMENT\nEND TEST\nEND SERVICE\n' \
  > "$corpus/seed_stubs"
{ printf '\000VAR '; head -c 20000 /dev/zero | tr '\0' 'a'; printf '\n& '; head -c 474 /dev/zero | tr '\0' 'b'; printf '\n'; } \
  > "$corpus/seed_long_statement"

exec "$build/fuzz/script_fuzz" "$corpus" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" \
  -dict="$root/scripts/script.dict" -max_len=24576 -timeout=10 -rss_limit_mb=2048 \
  -close_fd_mask=2 -print_final_stats=1 "$@"
