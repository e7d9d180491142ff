#!/usr/bin/env bash
# Installs the Debian packages the build needs, and the npm packages of the
# editor extension's tests. Safe to run again: it only calls apt-get and npm
# when something is missing, and never asks a question.
set -euo pipefail

packages=(
  g++ make cmake ninja-build clang-format
  qt6-base-dev qt6-l10n-tools
  bison
  libgtest-dev googletest
  libbenchmark-dev time
  # The harness's line directives are checked in the debugger.
  gdb
  # make package (dpkg-shlibdeps), and the manual pages read with man.
  dpkg-dev man-db
  # The editor extension's tests (editors/vscode) run on node.
  nodejs
  # The coverage exports are read by their formats' own tools.
  lcov libxml2-utils
  chromium
  gcc-arm-none-eabi libnewlib-arm-none-eabi qemu-system-arm
  gcc-powerpc-linux-gnu libc6-dev-powerpc-cross qemu-user
  # The header set the C analysis is checked against (tests/conformance):
  # the public headers of common libraries, found through pkg-config.
  pkgconf linux-libc-dev
  libglib2.0-dev libgtk-3-dev libssl-dev libcurl4-openssl-dev libxml2-dev
  libsqlite3-dev zlib1g-dev libpng-dev libjpeg-dev libevent-dev libsystemd-dev
  libuv1-dev libjson-c-dev libyaml-dev libpcre2-dev libarchive-dev libzstd-dev
  liblz4-dev libffi-dev libreadline-dev libncurses-dev libcap-dev
  libselinux1-dev libdbus-1-dev libusb-1.0-0-dev libasound2-dev libpulse-dev
  libsdl2-dev liblua5.4-dev tcl-dev tk-dev python3-dev libmariadb-dev libpq-dev
  uuid-dev libepoxy-dev libexpat1-dev libmount-dev
  # The mixed set of the header benchmark (bench/header_sets_bench.sh):
  # X11, OpenGL with glext.h, gcrypt, gnutls, bzip2; and tcc, whose
  # preprocessor it measures beside gcc's.
  libx11-dev libgl-dev libgcrypt20-dev libgnutls28-dev libbz2-dev tcc
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm comes with some builds of node and apart from others.
if ! command -v npm >/dev/null 2>&1; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends npm
fi
# The editor extension's packages, from the npm registry, as its lock file
# pins them; again only when the lock file changed since.
extension="$(cd "$(dirname "$0")/.." && pwd)/editors/vscode"
if [ ! -f "$extension/node_modules/.package-lock.json" ] ||
   [ "$extension/package-lock.json" -nt "$extension/node_modules/.package-lock.json" ]; then
  (cd "$extension" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
fi
