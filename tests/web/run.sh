#!/usr/bin/env bash
# The browser suite: the page from file:// in headless Chromium, driven with
# real key presses and clicks, its canvas compared with the native reference
# renderer (page_raster). Builds the page and the renderer first: whatever of
# them is older than its sources is made again.
#   PR_BUILD_DIR   the native build tree (default build/)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${PR_BUILD_DIR:-build}
page=build-web/punti-e-rette.html

scripts/build-web.sh
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target page_raster -j2 >/dev/null

# Debian's python3, where python3-selenium lives, whatever python3 is first on the PATH.
PR_PAGE=$PWD/$page PR_PAGE_RASTER=$PWD/$build/tests/web/page_raster \
  timeout 900 /usr/bin/python3 -m unittest discover -s tests/web -p 'test_*.py' -v
