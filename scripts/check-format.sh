#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what clang-format
# makes of it with the project's .clang-format; lists the files.
#
#   scripts/check-format.sh         check
#   scripts/check-format.sh --fix   rewrite the files in place
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
formatter="${CLANG_FORMAT:-clang-format}"
# The project's own C++: the programs, their tests and benchmarks. The C
# units and headers of the test cases are inputs, kept as written. Files not
# yet added to git count too (a new file is checked before its commit).
# A file deleted but still in the index is gone: nothing to check.
mapfile -t files < <(git ls-files --cached --others --exclude-standard \
                     'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/testkit/*.h' \
                     'tests/harness/harness_runner.h' 'bench/*.cpp' |
                     while IFS= read -r file; do [ -e "$file" ] && echo "$file"; done)
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
"$formatter" --dry-run --Werror "${files[@]}"
