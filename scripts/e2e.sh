#!/usr/bin/env bash
# Builds the program and runs the end-to-end suite alone: the installed
# program under Xvfb driven by keyboard and mouse, the menu entry, and the
# Debian package (installed system-wide and purged again: needs root).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -L 'e2e|install'
