#!/usr/bin/env bash
# Cost of a script whose services all have the same name: each one after the
# first is renamed with the next free "_<n>" of that name. With a counter
# per base name the whole run stays linear; the wall times printed for 1000,
# 5000 and 20000 services should grow in proportion.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for services in 1000 5000 20000; do
    {
        echo "HEADER bench, 1.0, , generated"
        echo "#int x;"
        echo "BEGIN"
        for ((s = 1; s <= services; s++)); do
            echo "SERVICE same"
            echo "TEST t"
            echo "FAMILY nominal"
            echo "ELEMENT"
            echo "#x = $s;"
            echo "END ELEMENT"
            echo "END FAMILY"
            echo "END TEST"
            echo "END SERVICE"
        done
    } > "$work/s$services.ptu"
    (
        cd "$work"
        HARNEXDIR="$tree/dist" VEXOR_SUPPRESS_COPYRIGHT=1 VXLTGT="$tree/dist/target" \
            /usr/bin/time -f "%e s %M kB" "$tree/dist/bin/vexorprepro" "s$services.ptu" \
            "t$services.c" -NOANALYZE 2> "time$services.txt" >/dev/null || true
    )
    echo "$services same-named services: $(tail -1 "$work/time$services.txt")"
done
