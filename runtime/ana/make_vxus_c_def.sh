#!/bin/sh
# Writes the standard-definitions file of the host target from the host C
# compiler:
#   make_vxus_c_def.sh CC OUTPUT LANGUAGE_DEFS [COMPILER FLAGS...]
# Any C compiler will do: the CMake function of the installation runs it
# for a cross compiler, with the flags that select the target (-mcpu ...).
# The file gives the analysis what the compiler knows and the headers ask
# for: the compiler's system include directories ("#pragma vexor
# incl_std"), the target macros of its predefined list (__x86_64__,
# __linux__, __CHAR_BIT__, __SIZE_TYPE__ ...), the sizes of the base types
# and the signedness of plain char. The compiler's own identity (__GNUC__
# and its relatives) is left out: the analysis reads headers as portable
# C, so they take their branches for other compilers.
#
# The answers of the feature-test operators (__has_builtin,
# __has_attribute, __has_c_attribute, __has_feature) are the compiler's
# own, asked of it here ("#pragma vexor feature_test"). The names asked
# about are the words of the compiler's program, the attribute handlers it
# names, and every name its headers ask about or call as a builtin; the
# file keeps the ones the compiler knows. Scoped attributes ("gnu::x") are
# answered from their unscoped name by the analysis.
set -eu
cc="$1"
out="$2"
language="$3"
shift 3
tmp="$out.tmp"

predefined="$("$cc" "$@" -dM -E -x c /dev/null)"
include_dirs="$(echo | "$cc" "$@" -E -v -x c - 2>&1 >/dev/null |
  sed -n '/#include <...> search starts here:/,/End of search list./p' |
  sed -e '1d' -e '$d' -e 's/^ *//')"
work="$out.work"
rm -rf "$work"
mkdir -p "$work"
trap '[ -n "${VX_KEEP_WORK:-}" ] || rm -rf "$work"' EXIT

# The names to ask the compiler about: every word of the strings of its
# program and the attribute handlers it names ("names"), and every name its
# headers ask about or call as a builtin ("asked").
: > "$work/words"
program="$("$cc" "$@" -print-prog-name=cc1 2>/dev/null || true)"
if [ -n "$program" ] && [ -f "$program" ] && command -v strings >/dev/null 2>&1; then
  strings -n 3 "$program" > "$work/strings" || true
  {
    tr -c 'A-Za-z0-9_\n' '\n' < "$work/strings"
    sed -n 's/.*handle_\([a-z0-9_]*\)_attribute.*/\1/p' "$work/strings"
  } | grep -E '^[A-Za-z_][A-Za-z0-9_]{1,40}$' | LC_ALL=C sort -u > "$work/words" || true
fi
printf '%s\n' "$include_dirs" | while IFS= read -r dir; do
  [ -d "$dir" ] || continue
  grep -rhoE --include='*.h' \
    '(has_attribute|has_c_attribute|has_builtin|has_feature|has_extension)[ 	]*\([ 	]*[A-Za-z_][A-Za-z0-9_]*|__builtin_[A-Za-z0-9_]+' \
    "$dir" 2>/dev/null | sed -E 's/.*\([ 	]*//' || true
done | grep -E '^[A-Za-z_][A-Za-z0-9_]*$' | LC_ALL=C sort -u > "$work/asked" || true

# Which operators the compiler has, then one question a name for each:
# builtins among the names that begin with "__" and the names asked about,
# attributes among all of them, features among the names asked about. The
# compiler prints the answers it knows as "VXFT operator name value", the
# operator without its "__has_" (which would be expanded there).
for operator in __has_builtin __has_attribute __has_c_attribute __has_feature; do
  printf '#ifdef %s\nVXOP %s\n#endif\n' "$operator" "${operator#__has_}"
done > "$work/operators.c"
"$cc" "$@" -E -P -undef -w -x c "$work/operators.c" 2>/dev/null > "$work/answers" || true
ask() {
  if grep -q "^VXOP ${1#__has_}\$" "$work/answers"; then
    awk -v op="$1" -v word="${1#__has_}" '{ print "#if " op "(" $1 ")\nVXFT " word " " $1 " " op "(" $1 ")\n#endif" }'
  fi
}
{
  { grep '^__' "$work/words" || true; cat "$work/asked"; } | LC_ALL=C sort -u | ask __has_builtin
  LC_ALL=C sort -u "$work/words" "$work/asked" | ask __has_attribute
  LC_ALL=C sort -u "$work/words" "$work/asked" | ask __has_c_attribute
  ask __has_feature < "$work/asked"
} > "$work/questions.c"
"$cc" "$@" -E -P -undef -w -x c "$work/questions.c" 2>/dev/null >> "$work/answers" || true
size_of() {
  printf '%s\n' "$predefined" | sed -n "s/^#define __SIZEOF_$1__ \\([0-9]*\\)\$/\\1/p"
}

{
  echo "/*"
  echo " * Standard definitions of the host target for the C analysis of"
  echo " * vexorprepro, generated from $cc at build time. Read through the"
  echo " * option STD_DEFINE, or by default as \$VXLTGT/ana/vxus_c.def."
  echo " */"
  echo | "$cc" "$@" -E -v -x c - 2>&1 >/dev/null |
    sed -n '/#include <...> search starts here:/,/End of search list./p' |
    sed -e '1d' -e '$d' -e 's/^ *//' |
    while IFS= read -r dir; do
      echo "#pragma vexor incl_std \"$dir\""
    done
  printf '%s\n' "$predefined" |
    grep -v -E '^#define (__GNUC|__GNUG__|__VERSION__|__clang|__GXX_|__STDC__ |__STDC_VERSION__|__OPTIMIZE|__NO_INLINE__|__GCC_HAVE_DWARF|__REGISTER_PREFIX__|__USER_LABEL_PREFIX__|__has_include)' |
    LC_ALL=C sort
  echo "#pragma vexor sizeof char 8"
  echo "#pragma vexor sizeof short $(( $(size_of SHORT) * 8 ))"
  echo "#pragma vexor sizeof int $(( $(size_of INT) * 8 ))"
  echo "#pragma vexor sizeof long $(( $(size_of LONG) * 8 ))"
  echo "#pragma vexor sizeof longlong $(( $(size_of LONG_LONG) * 8 ))"
  echo "#pragma vexor sizeof float $(( $(size_of FLOAT) * 8 ))"
  echo "#pragma vexor sizeof double $(( $(size_of DOUBLE) * 8 ))"
  if printf '%s\n' "$predefined" | grep -q '^#define __CHAR_UNSIGNED__'; then
    echo "#pragma vexor signof char unsigned"
  else
    echo "#pragma vexor signof char signed"
  fi
  # The feature-test operators the compiler has, then its answers, the
  # names of one operator and value grouped a few to a line.
  sed -n 's/^VXOP \([a-z_]*\)$/#pragma vexor feature_test __has_\1/p' "$work/answers"
  grep '^VXFT ' "$work/answers" | LC_ALL=C sort -k2,2 -k4,4 -k3,3 |
    awk '
      { key = $2 " " $4 }
      key != last || count == 12 {
        if (line != "") print line
        line = "#pragma vexor feature_test __has_" $2 " " $4
        last = key
        count = 0
      }
      { line = line " " $3; ++count }
      END { if (line != "") print line }'
  cat "$language"
} > "$tmp"
mv "$tmp" "$out"
