#!/usr/bin/env bash
# Cost of vexorreport on traces whose aggregate brackets nest deep: 10000,
# 100000 and 400000 levels around one check. Each entry is indented at most
# a fixed number of levels, so the report, and its time, grow linearly.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$source_dir/tests/harness/worked.tdc" "$work/w.tdc"
for levels in 10000 100000 400000; do
    {
        printf 'VXU-TRACES 3\nH 5eed5eed5eed5eed\nO 1 "add"\nG 2\nT 2 "t1"\nS\n'
        for ((i = 0; i < levels; i++)); do echo "[ 4"; done
        echo "C 4 int/16 1 0 ok 1 1 1"
        for ((i = 0; i < levels; i++)); do echo "] 4"; done
        printf 'E\n'
    } > "$work/n$levels.rio"
    # The end line counts the lines before it.
    echo "F $(wc -l < "$work/n$levels.rio")" >> "$work/n$levels.rio"
    (
        cd "$work"
        /usr/bin/time -f "%e s %M kB" "$tree/dist/bin/vexorreport" --junit "n$levels.xml" \
            w.tdc "n$levels.rio" > "report$levels.txt" 2> "time$levels.txt" || true
    )
    echo "$levels nested brackets: $(tail -1 "$work/time$levels.txt"), $(tail -1 "$work/report$levels.txt")"
done
