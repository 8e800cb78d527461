#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the unit and command tests,
# the same suite under AddressSanitizer + UndefinedBehaviorSanitizer and
# built for a target with FMA, the window and end-to-end tests under Xvfb,
# the browser build's tests (core under node, the page in headless
# Chromium), a Release build and a Debian-flags build with its package
# checked by lintian, and short fuzzing runs. The project's own builds turn
# warnings into errors; the Release and packaging builds build as a user's would.
# Installs what it needs first (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)

echo "== The browser page (build-web/), installed and packaged with the program"
scripts/build-web.sh

echo "== Build (build/) and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPR_WERROR=ON \
  -DPR_WEB_PAGE="$PWD/build-web/punti-e-rette.html" >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build (build-asan/) and the unit and command tests under it"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPR_SANITIZE=ON -DPR_BENCH=OFF -DPR_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
# Every report is fatal: the build stops at the first UB (-fno-sanitize-recover),
# and these options make sure nothing from the environment turns that off.
# No test found is a failure too, so a broken label cannot pass silently.
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -L unit --no-tests=error

echo "== The browser build: core tests under node, the page in headless Chromium"
scripts/test-web.sh

echo "== Unit tests built for x86-64-v3 (build-v3/): FMA at hand, none may be fused"
# The glibc loader lists the x86-64 levels this processor supports.
if /lib64/ld-linux-x86-64.so.2 --help 2>/dev/null | grep -q 'x86-64-v3 (supported'; then
  cmake -S . -B build-v3 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-march=x86-64-v3 \
    -DPR_WINDOW=OFF -DPR_BENCH=OFF -DPR_WERROR=ON >/dev/null
  cmake --build build-v3 -j"$jobs"
  ctest --test-dir build-v3 --output-on-failure -j"$jobs" -L unit --no-tests=error
else
  echo "skipped: this processor does not run x86-64-v3 code"
fi

echo "== Release build (build-release/), packaging-flags build and its package (build-dist/)"
# As a user builds: the whole default build, warnings shown but not fatal.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$jobs"
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
cmake --build build-dist -j"$jobs"
rm -rf build-dist/deb
(cd build-dist && cpack -G DEB -B deb >/dev/null)
lintian --fail-on error build-dist/deb/*.deb

if [ -x scripts/fuzz.sh ]; then
  echo "== Fuzzing, bounded"
  scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
fi

echo "== All tests passed"
