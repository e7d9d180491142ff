#!/usr/bin/env bash
# Runs every benchmark of a Release tree under /usr/bin/time -v and prints
# the whole-process figures that matter: wall time and peak memory.
set -euo pipefail
tree=${1:-build-release}
for b in "$tree"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  /usr/bin/time -v "$b" 2> "$tree/bench/$(basename "$b").time"
  grep -E 'Elapsed \(wall|Maximum resident' "$tree/bench/$(basename "$b").time"
done
for s in bench/*.sh; do
  [ "$(basename "$s")" = run.sh ] && continue
  echo "== $(basename "$s")"
  bash "$s" "$tree"
done
