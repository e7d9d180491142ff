#!/usr/bin/env bash
# Fails when a source of the compiler includes a header of the Qt toolkit
# outside the implementation files of src/diag/, where translation and the
# encoding of messages live. The report program (src/report/) uses the
# toolkit for its files, XML and JSON, and the tests may use it freely.
#
#   scripts/check-toolkit-use.sh [source-tree]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
found=$(grep -rlE '^#include <Q' src --include='*.cpp' --include='*.h' |
    grep -vE '^src/diag/[^/]*\.cpp$|^src/report/|_test\.cpp$|_test\.h$|_fuzz\.cpp$' || true)
if [ -n "$found" ]; then
    echo "the toolkit is included outside src/diag/*.cpp:" >&2
    echo "$found" >&2
    exit 1
fi
