#!/usr/bin/env bash
# The quick tier, for every change before it is committed: the core and
# every unit and command test, built natively in build-check/ (Release, no
# window, browser, sanitizers or benchmarks). A few minutes from a clean
# clone; scripts/test.sh is the whole suite. Needs the dependencies of
# scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
export CTEST_PARALLEL_LEVEL="${CTEST_PARALLEL_LEVEL:-$(nproc)}"
cmake --workflow --preset check
