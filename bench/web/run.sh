#!/usr/bin/env bash
# Times the browser page in headless Chromium (see page_bench.py) and prints
# a table: every command at three full scales, start-up, file size. Builds the
# page first when missing. A benchmark, not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/../.."

page=build-web/punti-e-rette.html
[ -f "$page" ] || scripts/build-web.sh
PR_PAGE=$PWD/$page timeout 600 /usr/bin/python3 bench/web/page_bench.py
