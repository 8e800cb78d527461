#!/usr/bin/env bash
# Builds everything and runs the whole test suite, the cheapest stages first
# so that a fault fails fast: the quick tier (core, unit and command tests),
# the same built for a target with FMA, then under AddressSanitizer +
# UndefinedBehaviorSanitizer, short fuzzing runs, the browser page (core
# under node, the page in headless Chromium), the window and end-to-end tests
# under Xvfb, and last the builds that run no tests: a Release build and a
# Debian-flags build with its package checked by lintian. The project's own
# builds turn warnings into errors; the Release and packaging builds build as
# a user's would. The build trees and their options are CMakePresets.json's.
# Installs what it needs first (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
export CTEST_PARALLEL_LEVEL="${CTEST_PARALLEL_LEVEL:-$(nproc)}"

echo "== The quick tier (build-check/): the core, every unit and command test"
scripts/check.sh

echo "== Unit tests built for x86-64-v3 (build-v3/): FMA at hand, none may be fused"
# The glibc loader lists the x86-64 levels this processor supports.
if /lib64/ld-linux-x86-64.so.2 --help 2>/dev/null | grep -q 'x86-64-v3 (supported'; then
  cmake --workflow --preset v3
else
  echo "skipped: this processor does not run x86-64-v3 code"
fi

echo "== Sanitizer build (build-asan/) and the unit and command tests under it"
# Every report is fatal: the build stops at the first UB (-fno-sanitize-recover),
# and the test preset's ASAN_OPTIONS and UBSAN_OPTIONS make sure nothing from
# the environment turns that off. No test found is a failure too, so a broken
# label cannot pass silently.
cmake --workflow --preset asan

echo "== Fuzzing, bounded"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

echo "== The browser page (build-web/), installed and packaged with the program"
scripts/build-web.sh

echo "== Build (build/) and test: the window, end-to-end, install and benchmarks"
cmake --preset full -DPR_WEB_PAGE="$PWD/build-web/punti-e-rette.html" >/dev/null
cmake --build --preset full
ctest --preset full

echo "== The browser build: core tests under node, the page in headless Chromium"
scripts/test-web.sh

echo "== Release build (build-release/), packaging-flags build and its package (build-dist/)"
# As a user builds: Release, warnings shown but not fatal.
cmake --workflow --preset release
# As a Debian package is built: dpkg-buildflags with every hardening option,
# the preprocessor's flags (_FORTIFY_SOURCE) added to the compiler's as
# debhelper does, build type None so that only they count; only what the
# package ships. lintian fails the stage on errors, and shows its warnings.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-dist -DCMAKE_BUILD_TYPE=None -DPR_TESTS=OFF -DPR_BENCH=OFF \
  -DPR_WEB_PAGE="$PWD/build-web/punti-e-rette.html" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
unset DEB_BUILD_MAINT_OPTIONS
cmake --build build-dist
rm -rf build-dist/deb
(cd build-dist && cpack -G DEB -B deb >/dev/null)
lintian --fail-on error build-dist/deb/*.deb

echo "== All tests passed"
