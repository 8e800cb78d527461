#!/usr/bin/env bash
# Regenerates docs/screenshots/ from the installed program under Xvfb:
# the window at start, a triangle, a line with its perpendicular, and that
# figure's page saved as a PDF.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target punti-e-rette pr_desktop_assets
stage="$build/stage/usr"
cmake --install "$build" --prefix "$stage" >/dev/null
PR_PREFIX="$(realpath "$stage")" /usr/bin/python3 -W ignore::DeprecationWarning \
  tests/e2e/take_screenshots.py docs/screenshots
