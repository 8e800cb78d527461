#!/usr/bin/env bash
# The page's start-up in headless Chromium (see startup.py): median of 5
# fresh browsers and of 10 openings in one, with the time of each phase.
# Builds the page first (again where its sources changed). A benchmark, not
# part of the test command.
set -euo pipefail
cd "$(dirname "$0")/../.."

page=build-web/punti-e-rette.html
scripts/build-web.sh  # only what changed since the last build
PR_PAGE=$PWD/$page timeout 600 /usr/bin/python3 bench/web/startup.py "$@"
