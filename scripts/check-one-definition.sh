#!/usr/bin/env bash
# Fails when a function or object of the program is defined in two
# translation units: a strong definition in two objects, or a strong one
# beside an inline (weak) one, where the linker silently keeps one body and
# the program depends on the build configuration. Reads the static
# libraries of the given build tree (default: build).
#
#   scripts/check-one-definition.sh [build-tree]
set -euo pipefail
tree="${1:-build}"
mapfile -t libraries < <(find "$tree/src" -name 'libvx_*.a' | sort)
if [ "${#libraries[@]}" -eq 0 ]; then
    echo "check-one-definition: no libraries under $tree/src" >&2
    exit 2
fi
# "object symbol kind" for every global definition; template instances and
# other COMDAT copies are weak (W, V) and only count beside a strong one.
nm -A --defined-only "${libraries[@]}" 2>/dev/null |
    awk 'NF >= 3 && $(NF-1) ~ /^[TDBRWVu]$/ { kind = $(NF-1); sym = $NF; obj = $1; sub(/:[0-9a-f]+$/, "", obj);
             strong = (kind ~ /^[TDBR]$/);
             if (strong) { s[sym] = s[sym] " " obj; ns[sym]++ } else { w[sym] = w[sym] " " obj; nw[sym]++ } }
         END { bad = 0;
               for (sym in ns) if (ns[sym] > 1 || (sym in nw)) {
                   printf "defined more than once: %s\n  strong in:%s\n", sym, s[sym];
                   if (sym in nw) printf "  inline in:%s\n", w[sym];
                   bad = 1 }
               exit bad }' | c++filt
