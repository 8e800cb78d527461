#!/usr/bin/env bash
# The quick tier, for every change before it is committed: the formatting
# of src/ and tests/, then the core and every unit and command test, built
# natively in build-check/ (Release, no window, browser, sanitizers or
# benchmarks). A few minutes from a clean
# clone; scripts/test.sh is the whole suite. Needs the dependencies of
# scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

# The house style first: a formatting slip fails in seconds, before any build.
echo "== clang-format --dry-run --Werror over src/ and tests/"
find src tests -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
export CTEST_PARALLEL_LEVEL="${CTEST_PARALLEL_LEVEL:-$(nproc)}"
cmake --workflow --preset check
