#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
"$here/setup.sh"
cd "$root/build"
ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@"
