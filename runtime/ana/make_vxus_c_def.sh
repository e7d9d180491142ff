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
set -eu
cc="$1"
out="$2"
language="$3"
shift 3
tmp="$out.tmp"

predefined="$("$cc" "$@" -dM -E -x c /dev/null)"
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
  cat "$language"
} > "$tmp"
mv "$tmp" "$out"
