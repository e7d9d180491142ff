#!/usr/bin/env bash
# The whole compile of a script whose native lines include the public
# headers of common libraries (glib, gtk, openssl, curl, libxml2, SDL2,
# Python ...) and of the kernel's UAPI, their include directories from
# pkg-config, against gcc -fsyntax-only on the same headers and search
# path. Runs alternate, 3 of each; prints the medians of wall time,
# processor time and peak memory, and the diagnostics of our run (there
# should be none). The packages are those scripts/install-deps.sh installs.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

modules=(glib-2.0 gmodule-2.0 gio-unix-2.0 gtk+-3.0 openssl libcurl libxml-2.0 sqlite3 zlib
         libpng libjpeg libevent libsystemd libuv json-c yaml-0.1 libpcre2-8 libarchive libzstd
         liblz4 libffi readline ncurses libcap libselinux dbus-1 libusb-1.0 alsa libpulse-simple
         sdl2 lua5.4 tk python3 libmariadb libpq uuid epoxy expat mount)
headers=(glib.h glib/gstdio.h gmodule.h gio/gio.h gtk/gtk.h openssl/ssl.h openssl/evp.h
         curl/curl.h libxml/parser.h libxml/xpath.h sqlite3.h zlib.h png.h stdio.h jpeglib.h
         event2/event.h systemd/sd-bus.h uv.h json.h yaml.h archive.h zstd.h lz4.h ffi.h
         readline/readline.h ncurses.h sys/capability.h selinux/selinux.h dbus/dbus.h libusb.h
         alsa/asoundlib.h pulse/pulseaudio.h SDL.h lua.h tcl.h tk.h Python.h mysql.h libpq-fe.h
         uuid.h epoxy/gl.h expat.h libmount.h linux/can.h linux/bpf.h linux/io_uring.h)
if ! dirs=$(pkg-config --cflags-only-I "${modules[@]}" 2>/dev/null); then
    echo "library headers: some packages are missing (scripts/install-deps.sh installs them)"
    exit 0
fi
incl=()
gcc_incl=()
for d in $dirs; do
    incl+=("-INCL=${d#-I}")
    gcc_incl+=("$d")
done
{
    echo "HEADER libraries, 1.0, , common library headers"
    echo "##define PCRE2_CODE_UNIT_WIDTH 8"
    echo "##include <pcre2.h>"
    for h in "${headers[@]}"; do echo "##include <$h>"; done
    echo "#int x;"
    printf 'BEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\nVAR x, INIT = 1, EV = 1\nEND ELEMENT\n'
    printf 'END FAMILY\nEND TEST\nEND SERVICE\n'
} > "$work/s.ptu"
{
    echo "#define PCRE2_CODE_UNIT_WIDTH 8"
    echo "#include <pcre2.h>"
    for h in "${headers[@]}"; do echo "#include <$h>"; done
} > "$work/headers.c"

measure() {  # output-file command...: wall seconds, peak kB, processor seconds
    local out=$1
    shift
    local begin end
    begin=$(date +%s%N)
    /usr/bin/time -f '%M %U %S' -o "$out.peak" "$@" > /dev/null 2> "$out.err" || true
    end=$(date +%s%N)
    echo "$(awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.4f", (e - b) / 1e9 }') $(tail -1 "$out.peak" | awk '{ printf "%s %.2f", $1, $2 + $3 }')" > "$out"
}
: > "$work/ours"
: > "$work/gcc"
cd "$work"
for run in 1 2 3; do
    measure "$work/t" env HARNEXDIR="$tree/dist" VXLTGT="$tree/dist/target" VEXOR_SUPPRESS_COPYRIGHT=1 \
        "$tree/dist/bin/vexorprepro" s.ptu t.c "${incl[@]}"
    cat "$work/t" >> "$work/ours"
    measure "$work/g" gcc -fsyntax-only -w "${gcc_incl[@]}" "$work/headers.c"
    cat "$work/g" >> "$work/gcc"
done
median() {  # file column
    awk -v c="$2" '{print $c}' "$1" | sort -n | sed -n 2p
}
echo "vexorprepro:       wall $(median "$work/ours" 1) s, processor $(median "$work/ours" 3) s, peak $(median "$work/ours" 2) kB"
echo "gcc -fsyntax-only: wall $(median "$work/gcc" 1) s, processor $(median "$work/gcc" 3) s, peak $(median "$work/gcc" 2) kB"
echo "diagnostics of the compile:"
grep -c -E '^Harnex-[WE]-' "$work/t.err" || true
grep -E '^Harnex-[WE]-' "$work/t.err" | head -5 || true
