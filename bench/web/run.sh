#!/usr/bin/env bash
# Times the browser page in headless Chromium (see page_bench.py) and prints
# a table: every command at three full scales at 100 % and 200 %, the redraw
# after a change of scale, start-up, file size. Builds the page first (again
# where its sources changed). A benchmark, not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/../.."

page=build-web/punti-e-rette.html
scripts/build-web.sh  # only what changed since the last build
PR_PAGE=$PWD/$page timeout 600 /usr/bin/python3 bench/web/page_bench.py "$@"
