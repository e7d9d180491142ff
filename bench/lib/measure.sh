# Shared by the benchmarks that run whole processes (sourced, not run).

# measure OUT COMMAND...: runs the command once, its output dropped and its
# standard error kept in OUT.err, and writes to OUT one line: the wall
# seconds (from the clock in nanoseconds), the peak resident kB and the
# processor seconds (user and system).
measure() {
    local out=$1
    shift
    local begin end
    begin=$(date +%s%N)
    /usr/bin/time -f '%M %U %S' -o "$out.peak" "$@" > /dev/null 2> "$out.err" || true
    end=$(date +%s%N)
    echo "$(awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.4f", (e - b) / 1e9 }') $(tail -1 "$out.peak" | awk '{ printf "%s %.2f", $1, $2 + $3 }')" > "$out"
}

# median FILE COLUMN: the median of a column of measure lines.
median() {
    awk -v c="$2" '{print $c}' "$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# tests_script FILE TESTS VAR CODE: a script of TESTS tests including
# unit.h, in services of 100, each one element with the statement VAR
# (a VAR line) and the native line CODE.
tests_script() {
    local file=$1 tests=$2 var=$3 code=$4 t
    {
        echo "HEADER generated, 1.0, , generated"
        echo "##include \"unit.h\""
        echo "BEGIN"
        for ((t = 1; t <= tests; t++)); do
            if (( (t - 1) % 100 == 0 )); then
                (( t > 1 )) && echo "END SERVICE"
                echo "SERVICE service_$(( (t - 1) / 100 + 1 ))"
            fi
            printf 'TEST test_%d\nFAMILY nominal\nELEMENT\n%s\n#%s\nEND ELEMENT\nEND FAMILY\nEND TEST\n' \
                "$t" "$var" "$code"
        done
        echo "END SERVICE"
    } > "$file"
}
