#!/usr/bin/env bash
set -euo pipefail
tree=${1:-build}
HARNEXDIR="$PWD/$tree/dist" "$tree/dist/bin/vexorprepro" || true
