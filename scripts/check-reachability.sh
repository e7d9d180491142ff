#!/usr/bin/env bash
# Fails when a function of the libraries of src/ is kept by no program: a
# function that only the unit tests or the fuzz targets call is code the
# users never run, kept alive by its own tests.
#
#   scripts/check-reachability.sh [--plant] BUILD_TREE [NINJA]
#
# The libraries are compiled with one section per function
# (-ffunction-sections, cmake/vexor.cmake). Each program (vexorprepro,
# vexorreport, vexorstubs) is linked again into a scratch directory with its own link
# command from the Ninja tree, adding --gc-sections, which drops every
# section nothing reachable from the program's entry points refers to,
# --print-gc-sections, which names them, and --trace twice, which names the
# library members the link took. A function counts when it is a strong or
# local definition (nm type T or t) of a library member in our own names,
# that is a function written in one of our .cpp files; inline functions of
# headers and template instances are weak (COMDAT) and not looked at. It
# is reported when every program either did not take its member or dropped
# its section. scripts/reachability-exceptions.txt lists the deliberate
# exceptions, each with its reason.
#
# An optimised tree (build-shipped) inlines small functions into their
# callers, which leaves the out-of-line copy of a function that is called
# only from its own file unreferenced. So every member that has a
# candidate and was compiled with optimisation is compiled again at -O0
# with its own command, put into a scratch copy of its library, and the
# programs are linked once more: what is still dropped is reported. In a
# Debug tree (-O0 already) the first links decide.
#
# Code generated into the build tree (the Bison parsers) is not ours to
# change and is left out.
#
# --plant proves the check bites: a copy of support/text.cpp with two
# extra functions, as a helper written for a test would be, replaces the
# library member; the check must then name both and fail. The mode succeeds
# only when it does.
set -euo pipefail

plant=0
if [ "${1:-}" = "--plant" ]; then
    plant=1
    shift
fi
if [ $# -lt 1 ]; then
    echo "usage: check-reachability.sh [--plant] BUILD_TREE [NINJA]" >&2
    exit 2
fi
tree="$(cd "$1" && pwd)"
ninja="${2:-ninja}"
programs=(vexorprepro vexorreport vexorstubs)

if [ ! -f "$tree/build.ninja" ]; then
    echo "check-reachability: $tree is not a Ninja build tree" >&2
    exit 2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/vx-reachability.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lib" "$work/obj" "$work/link"

# The last command Ninja would run for a target: the link of a program,
# the compilation of an object.
last_command() {
    (cd "$tree" && "$ninja" -t commands "$1") | tail -n 1
}

# The libraries of the project in the tree, relative to it.
mapfile -t libraries < <(cd "$tree" && find src -name 'libvx_*.a' | sort)
if [ "${#libraries[@]}" -eq 0 ]; then
    echo "check-reachability: no libraries under $tree/src" >&2
    exit 2
fi

# "libvx_x.a:member.o" -> the member's object in the tree: the library's
# own CMake object directory holds it, under the stage folder of its source.
# Only the members of the library count: an object left behind by a source
# that is gone is not part of the program.
declare -A object_of=()
for lib in "${libraries[@]}"; do
    target="$(basename "$lib" .a)"
    declare -A in_library=()
    while read -r member; do
        in_library[$member]=1
    done < <(ar t "$tree/$lib")
    while read -r object; do
        if [ -n "${in_library[$(basename "$object")]:-}" ]; then
            object_of["$(basename "$lib"):$(basename "$object")"]="$object"
        fi
    done < <(cd "$tree" && find "$(dirname "$lib")/CMakeFiles/${target#lib}.dir" -name '*.o')
    unset in_library
done
# Every command of the programs' build, for the compile command of a member.
(cd "$tree" && "$ninja" -t commands "${programs[@]}") >"$work/commands"

# library file name -> its scratch copy, once a member was replaced.
declare -A replaced_library=()
# "library:member" of each member compiled here at -O0.
declare -A unoptimised=()

compile_command() {  # object
    grep -F -- " -o $1 " "$work/commands" | tail -n 1
}

# Compiles a member again with its own command at -O0, from SOURCE when
# given (the plant), and puts it into the scratch copy of its library.
recompile_member() {  # libvx_x.a:member.o [source]
    local library="${1%%:*}" member="${1#*:}" source="${2:-}" object command out
    object="${object_of[$1]}"
    command="$(compile_command "$object")"
    mkdir -p "$work/obj/$library"
    out="$work/obj/$library/$member"
    # Own output, no dependency file written into the tree, -O0 last.
    command="${command/ -o $object / -o $out }"
    command="$(sed -E 's/ -MD / /; s/ -MT [^ ]+ / /; s/ -MF [^ ]+ / /' <<<"$command")"
    if [ -n "$source" ]; then
        command="$(sed -E "s# -c [^ ]+\$# -c $source#" <<<"$command")"
    fi
    (cd "$tree" && bash -c "$command -O0") >&2
    if [ -z "${replaced_library[$library]:-}" ]; then
        cp "$tree/${object%%/CMakeFiles/*}/$library" "$work/lib/$library"
        replaced_library[$library]="$work/lib/$library"
    fi
    ar rs "${replaced_library[$library]}" "$out" 2>/dev/null
    unoptimised["$1"]=1
}

# Whether the member was compiled with optimisation (an -O level but -O0).
optimised_member() {  # libvx_x.a:member.o
    [ -z "${unoptimised[$1]:-}" ] || return 1
    compile_command "${object_of[$1]}" | grep -Eq -- ' -O([1-3sz]|fast|g)?( |$)'
}

# Links each program with the scratch libraries; writes "program took
# library:member" and "program dropped library:member symbol" lines to
# $work/links.
link_programs() {
    local program command lib
    : >"$work/links"
    for program in "${programs[@]}"; do
        command="$(last_command "$program")"
        command="${command#: && }"
        command="${command% && :}"
        command="$(sed -E "s# -o [^ ]+ # -o $work/link/$program #" <<<"$command")"
        for lib in "${!replaced_library[@]}"; do
            command="$(sed -E "s#( |^)[^ ]*/$lib( |\$)#\\1${replaced_library[$lib]}\\2#" <<<"$command")"
        done
        if ! (cd "$tree" && bash -c "$command -Wl,--gc-sections -Wl,--print-gc-sections -Wl,--trace,--trace") \
            >"$work/link/$program.log" 2>&1; then
            cat "$work/link/$program.log" >&2
            echo "check-reachability: the link of $program failed" >&2
            exit 2
        fi
        # "removing unused section '.text.NAME' in file 'DIR/libvx_x.a(member.o)'"
        # and, from --trace given twice, "(DIR/libvx_x.a)member.o" for each
        # member taken.
        awk -v program="$program" '
            /removing unused section/ && match($0, /libvx_[a-z_]+\.a\([^)]+\)/) {
                member = substr($0, RSTART, RLENGTH); sub(/\(/, ":", member); sub(/\)$/, "", member)
                section = $0; sub(/^.*removing unused section .\./, "", section); sub(/. in file .*$/, "", section)
                if (section !~ /^text\./) next
                sub(/^text\./, "", section)
                sub(/^(unlikely|startup|hot|exit)\./, "", section)
                sub(/\[.*\]$/, "", section)  # the group of a COMDAT section
                print program, "dropped", member, section
                next
            }
            match($0, /^\([^)]*libvx_[a-z_]+\.a\)/) {
                member = $0; sub(/^\([^)]*\//, "", member); sub(/\)/, ":", member)
                print program, "took", member
            }' "$work/link/$program.log" >>"$work/links"
        # A linker that writes its trace otherwise (gold, lld) would make
        # every function look unreached.
        if ! grep -q "^$program took " "$work/links"; then
            echo "check-reachability: no library member in the trace of the link of $program" >&2
            exit 2
        fi
    done
}

# The functions of the libraries: "library:member symbol" for every strong
# or local definition of our own code, that is in the namespace vx, in an
# anonymous namespace, or at global scope. Left out: what a header of the
# standard library or of the toolkit defines (template instances for our
# types, a helper of internal linkage that each file gets a copy of, so
# that which copy the link keeps depends on the order of the objects), the
# clones and cold parts an optimiser splits off (NAME.constprop.0,
# NAME.cold) and the static constructors of a file, which the start-up
# code calls.
list_functions() {
    local lib path
    : >"$work/functions"
    for lib in "${libraries[@]}"; do
        path="${replaced_library[$(basename "$lib")]:-$tree/$lib}"
        nm -A --defined-only "$path" 2>/dev/null |
            awk -v library="$(basename "$lib")" '
                NF >= 3 && ($(NF-1) == "T" || $(NF-1) == "t") {
                    symbol = $NF
                    if (symbol ~ /\./ || symbol ~ /^_GLOBAL__/ || symbol ~ /__static_initialization/ ||
                        symbol ~ /^_sub_[ID]_/) next
                    if (symbol !~ /^_Z+N[KRVO]*(2vx|12_GLOBAL__N_1)/ && symbol !~ /^_Z+L?[0-9]/ &&
                        symbol !~ /^[^_]/) next
                    split($1, parts, ":")
                    print library ":" parts[2], symbol
                }' >>"$work/functions"
    done
}

# Members whose source lies in the build tree (generated code).
for member in "${!object_of[@]}"; do
    case "${object_of[$member]}" in
        */generated/*) echo "$member" ;;
    esac
done >"$work/generated"

# "library:member symbol" of every function no program keeps.
unreached() {
    awk '
        FILENAME ~ /generated$/ { generated[$1] = 1; next }
        FILENAME ~ /links$/ {
            if ($2 == "took") took[$1 SUBSEP $3] = 1
            else dropped[$1 SUBSEP $3 SUBSEP $4] = 1
            programs[$1] = 1
            next
        }
        {
            if ($1 in generated) next
            kept = 0
            for (p in programs)
                if (((p SUBSEP $1) in took) && !((p SUBSEP $1 SUBSEP $2) in dropped)) kept = 1
            if (!kept) print $1, $2
        }' "$work/generated" "$work/links" "$work/functions" | sort -u
}

if [ "$plant" -eq 1 ]; then
    cat >"$work/planted.cpp" <<EOF
// support/text.cpp with two functions nothing in the programs calls, as a
// helper written for a test would be.
#include "$(cd "$(dirname "$0")/.." && pwd)/src/support/text.cpp"
namespace vx {
int planted_for_a_test_only(int value) { return value + 1; }
namespace {
[[maybe_unused]] int planted_private_helper(int value) { return value * 2; }
}  // namespace
}  // namespace vx
EOF
    recompile_member libvx_support.a:text.cpp.o "$work/planted.cpp"
fi

link_programs
list_functions
# A listing that found next to nothing would call everything reached.
if [ "$(wc -l <"$work/functions")" -lt 500 ]; then
    echo "check-reachability: too few functions found in the libraries of $tree" >&2
    exit 2
fi
unreached >"$work/candidates"

# In an optimised tree, a candidate may be a function every call of which
# was inlined: compile its member again at -O0 and link again.
verify=0
while read -r member; do
    if optimised_member "$member"; then
        recompile_member "$member"
        verify=1
    fi
done < <(awk '{ print $1 }' "$work/candidates" | sort -u)
if [ "$verify" -eq 1 ]; then
    link_programs
    list_functions
    unreached >"$work/candidates"
fi

# "source: demangled name" for "library:member symbol" lines.
for member in "${!object_of[@]}"; do
    echo "$member ${object_of[$member]}"
done >"$work/objects"
render() {
    awk 'FILENAME == ARGV[1] { object[$1] = $2; next }
         { path = object[$1]; directory = path; sub(/\/CMakeFiles\/.*$/, "", directory)
           source = path; sub(/^.*\/CMakeFiles\/[^\/]*\.dir\//, "", source); sub(/\.o$/, "", source)
           print directory "/" source ": " $2 }' "$work/objects" - | c++filt
}
render <"$work/candidates" >"$work/report"

if [ "$plant" -eq 1 ]; then
    if grep -q 'vx::planted_for_a_test_only(int)' "$work/report" &&
        grep -q 'planted_private_helper(int)' "$work/report"; then
        echo "check-reachability: the planted functions are reported:"
        grep 'planted' "$work/report"
        exit 0
    fi
    echo "check-reachability: the planted functions were not reported" >&2
    cat "$work/report" >&2
    exit 1
fi

# The deliberate exceptions: each entry after the comment lines that give
# its reason. An entry may be reached in one build and not in another (a
# self-check compiled without NDEBUG only), so a reached entry is only
# noted; an entry that names no function any more is stale and fails.
exceptions="$(cd "$(dirname "$0")" && pwd)/reachability-exceptions.txt"
status=0
if [ -f "$exceptions" ]; then
    awk '/^#/ { reason = 1; next }
         /^[[:space:]]*$/ { reason = 0; next }
         { if (!reason) { print "check-reachability: no reason for the exception: " $0 > "/dev/stderr"; bad = 1 }
           print }
         END { exit bad }' "$exceptions" >"$work/exceptions" || status=1
    render <"$work/functions" | sort -u >"$work/all"
    while IFS= read -r entry; do
        if ! grep -qxF -- "$entry" "$work/all"; then
            echo "check-reachability: the exception names no function (remove it): $entry"
            status=1
        elif ! grep -qxF -- "$entry" "$work/report"; then
            echo "check-reachability: note: the exception is reached in this build: $entry"
        fi
    done <"$work/exceptions"
    grep -vxF -f "$work/exceptions" "$work/report" >"$work/unexpected" || true
else
    cp "$work/report" "$work/unexpected"
fi

if [ -s "$work/unexpected" ]; then
    echo "Functions of the libraries that no program (${programs[*]}) reaches:"
    cat "$work/unexpected"
    echo "Delete them (and the tests that only exercise them), or list a deliberate"
    echo "exception with its reason in scripts/reachability-exceptions.txt."
    exit 1
fi
if [ "$status" -ne 0 ]; then
    exit 1
fi
echo "check-reachability: every function of the libraries is reached by ${programs[*]}"
