#!/usr/bin/env bash
# Installs the Debian packages the build needs. Safe to run again: it only
# calls apt-get when something is missing, and never asks a question.
set -euo pipefail

packages=(
  g++ make cmake ninja-build
  qt6-base-dev qt6-l10n-tools
  bison
  libgtest-dev googletest
  libbenchmark-dev time
  chromium
  gcc-arm-none-eabi libnewlib-arm-none-eabi qemu-system-arm
  gcc-powerpc-linux-gnu libc6-dev-powerpc-cross qemu-user
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
