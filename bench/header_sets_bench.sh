#!/usr/bin/env bash
# The whole compile of a script whose native lines include a large set of
# real headers, side by side with gcc -E and gcc -fsyntax-only on the same
# headers and search path, and tcc -E (the floor a small preprocessor
# sets) when tcc is there. Three sets: the C library and POSIX; the public
# headers of common libraries (their include directories from pkg-config;
# scripts/install-deps.sh installs the packages); and a mixed set of 51,
# the C library and POSIX with sqlite3, zlib, X11, OpenGL with glext.h,
# curses, gcrypt, gnutls, expat, bzip2 and elf.h. The programs run in
# turn, RUNS times each (7 by default); the script prints, per set, the
# medians of wall time and peak memory of each, and the ratios of the
# compile to gcc -E, to tcc -E and to gcc -fsyntax-only.
set -euo pipefail
tree=$(cd "${1:-build-release}" && pwd)
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=bench/lib/measure.sh
source "$(dirname "$0")/lib/measure.sh"

libc_headers=(assert.h complex.h ctype.h errno.h fenv.h float.h inttypes.h iso646.h limits.h
    locale.h math.h setjmp.h signal.h stdalign.h stdarg.h stdatomic.h stdbool.h stddef.h stdint.h
    stdio.h stdlib.h stdnoreturn.h string.h threads.h time.h uchar.h wchar.h wctype.h unistd.h
    fcntl.h pthread.h sys/types.h sys/stat.h sys/socket.h sys/wait.h sys/mman.h netinet/in.h
    arpa/inet.h netdb.h dirent.h regex.h sys/time.h poll.h termios.h dlfcn.h sys/select.h
    sys/uio.h sys/utsname.h glob.h fnmatch.h grp.h pwd.h sched.h semaphore.h syslog.h)
mixed_headers=(assert.h ctype.h errno.h float.h limits.h locale.h math.h setjmp.h signal.h
    stdarg.h stddef.h stdio.h stdlib.h string.h time.h stdint.h inttypes.h wchar.h wctype.h
    complex.h fenv.h unistd.h fcntl.h pthread.h sys/types.h sys/stat.h sys/socket.h sys/wait.h
    sys/mman.h netinet/in.h arpa/inet.h netdb.h dirent.h regex.h sqlite3.h zlib.h X11/Xlib.h
    X11/Xutil.h GL/gl.h GL/glext.h curses.h gcrypt.h gnutls/gnutls.h expat.h bzlib.h elf.h
    iconv.h glob.h ftw.h dlfcn.h ifaddrs.h)
library_modules=(glib-2.0 gmodule-2.0 gio-unix-2.0 gtk+-3.0 openssl libcurl libxml-2.0 sqlite3
    zlib libpng libjpeg libevent libsystemd libuv json-c yaml-0.1 libpcre2-8 libarchive libzstd
    liblz4 libffi readline ncurses libcap libselinux dbus-1 libusb-1.0 alsa libpulse-simple sdl2
    lua5.4 tk python3 libmariadb libpq uuid epoxy expat mount)
library_headers=(glib.h glib/gstdio.h gmodule.h gio/gio.h gtk/gtk.h openssl/ssl.h openssl/evp.h
    curl/curl.h libxml/parser.h libxml/xpath.h sqlite3.h zlib.h png.h stdio.h jpeglib.h
    event2/event.h systemd/sd-bus.h uv.h json.h yaml.h archive.h zstd.h lz4.h ffi.h
    readline/readline.h ncurses.h sys/capability.h selinux/selinux.h dbus/dbus.h libusb.h
    alsa/asoundlib.h pulse/pulseaudio.h SDL.h lua.h tcl.h tk.h Python.h mysql.h libpq-fe.h uuid.h
    epoxy/gl.h expat.h libmount.h linux/can.h linux/bpf.h linux/io_uring.h)

# write_set NAME PRELUDE HEADER...: the script and the C file of a set.
write_set() {
    local name=$1 prelude=$2
    shift 2
    {
        echo "HEADER $name, 1.0, , header set"
        [ -n "$prelude" ] && echo "#$prelude"
        for h in "$@"; do echo "##include <$h>"; done
        echo "#int x;"
        printf 'BEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\nVAR x, INIT = 1, EV = 1\n'
        printf 'END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n'
    } > "$work/$name.ptu"
    {
        [ -n "$prelude" ] && echo "$prelude"
        for h in "$@"; do echo "#include <$h>"; done
        echo "int x;"
    } > "$work/$name.c"
}



ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# run_set NAME: the three programs in turn, then the medians and ratios.
# The compile's search path is that of its standard definitions plus the
# -INCL directories in $incl; gcc is given the same directories.
run_set() {
    local name=$1
    rm -f "$work/$name".{ours,cpp,syntax,tcc}
    cd "$work"
    for ((run = 1; run <= runs; run++)); do
        measure "$work/run" env HARNEXDIR="$tree/dist" VXLTGT="$tree/dist/target" \
            VEXOR_SUPPRESS_COPYRIGHT=1 "$tree/dist/bin/vexorprepro" "$name.ptu" "$name.gen.c" \
            "${incl[@]}"
        cat "$work/run" >> "$work/$name.ours"
        cp "$work/run.err" "$work/$name.ours.err"
        measure "$work/run" gcc -E -w "${gcc_incl[@]}" "$work/$name.c"
        cat "$work/run" >> "$work/$name.cpp"
        measure "$work/run" gcc -fsyntax-only -w "${gcc_incl[@]}" "$work/$name.c"
        cat "$work/run" >> "$work/$name.syntax"
        if command -v tcc > /dev/null; then
            # tcc searches gcc's default directories too.
            measure "$work/run" tcc -E -w "${gcc_incl[@]}" "$work/$name.c" -o /dev/null
            cat "$work/run" >> "$work/$name.tcc"
            cp "$work/run.err" "$work/$name.tcc.err"
        fi
    done
    local ours_t ours_m cpp_t cpp_m syn_t syn_m
    ours_t=$(median "$work/$name.ours" 1); ours_m=$(median "$work/$name.ours" 2)
    cpp_t=$(median "$work/$name.cpp" 1); cpp_m=$(median "$work/$name.cpp" 2)
    syn_t=$(median "$work/$name.syntax" 1); syn_m=$(median "$work/$name.syntax" 2)
    echo "-- $name ($(grep -c '^#include' "$work/$name.c") headers, medians of $runs runs)"
    printf '  %-20s wall %7.3f s  peak %8d kB\n' "vexorprepro" "$ours_t" "$ours_m"
    printf '  %-20s wall %7.3f s  peak %8d kB\n' "gcc -E" "$cpp_t" "$cpp_m"
    printf '  %-20s wall %7.3f s  peak %8d kB\n' "gcc -fsyntax-only" "$syn_t" "$syn_m"
    if [ -s "$work/$name.tcc" ]; then
        local tcc_t tcc_m
        tcc_t=$(median "$work/$name.tcc" 1); tcc_m=$(median "$work/$name.tcc" 2)
        printf '  %-20s wall %7.3f s  peak %8d kB\n' "tcc -E" "$tcc_t" "$tcc_m"
        echo "  compile / tcc -E:            time $(ratio "$ours_t" "$tcc_t")x  peak $(ratio "$ours_m" "$tcc_m")x"
        echo "  tcc -E / gcc -E:             time $(ratio "$tcc_t" "$cpp_t")x  peak $(ratio "$tcc_m" "$cpp_m")x"
        if [ -s "$work/$name.tcc.err" ]; then
            echo "  tcc -E stopped early: $(head -1 "$work/$name.tcc.err")"
        fi
    fi
    echo "  compile / gcc -E:            time $(ratio "$ours_t" "$cpp_t")x  peak $(ratio "$ours_m" "$cpp_m")x"
    echo "  compile / gcc -fsyntax-only: time $(ratio "$ours_t" "$syn_t")x  peak $(ratio "$ours_m" "$syn_m")x"
    local diagnostics
    diagnostics=$(grep -c -E '^Harnex-[WEF]-' "$work/$name.ours.err" || true)
    echo "  diagnostics of the compile: $diagnostics"
    grep -E '^Harnex-[WEF]-' "$work/$name.ours.err" | head -3 || true
}

# The C library and POSIX: the compile reads them through its standard
# definitions; gcc searches its own default path, which holds the same
# directories.
incl=()
gcc_incl=()
write_set libc_posix "" "${libc_headers[@]}"
run_set libc_posix
write_set mixed "" "${mixed_headers[@]}"
run_set mixed

if dirs=$(pkg-config --cflags-only-I "${library_modules[@]}" 2>/dev/null); then
    incl=()
    gcc_incl=()
    for d in $dirs; do
        incl+=("-INCL=${d#-I}")
        gcc_incl+=("$d")
    done
    write_set libraries "#define PCRE2_CODE_UNIT_WIDTH 8" pcre2.h "${library_headers[@]}"
    run_set libraries
else
    echo "-- libraries: some packages are missing (scripts/install-deps.sh installs them)"
fi
