#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the unit and command tests,
# the same suite under AddressSanitizer + UndefinedBehaviorSanitizer, the
# window and end-to-end tests under Xvfb, the browser build's tests, and
# short fuzzing runs.
# Installs what it needs first (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)

echo "== The browser page (build-web/), installed and packaged with the program"
scripts/build-web.sh

echo "== Build (build/) and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPR_WEB_PAGE="$PWD/build-web/punti-e-rette.html" >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build (build-asan/) and the unit and command tests under it"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPR_SANITIZE=ON -DPR_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# Every report is fatal: the build stops at the first UB (-fno-sanitize-recover),
# and these options make sure nothing from the environment turns that off.
# No test found is a failure too, so a broken label cannot pass silently.
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -L unit --no-tests=error

echo "== The browser build: core tests under node, the page in headless Chromium"
scripts/test-web.sh

if [ -x scripts/fuzz.sh ]; then
  echo "== Fuzzing, bounded"
  scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
fi

echo "== All tests passed"
