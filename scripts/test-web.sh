#!/usr/bin/env bash
# The browser build's tests: the core's unit tests compiled with em++ and run
# by node (same tests, same expected texts and pixels as the native build),
# then the browser suite in headless Chromium when it is there.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
# emcc's JavaScript optimizer needs Debian's acorn module, which a node from
# elsewhere does not find on its own.
export NODE_PATH=/usr/share/nodejs

echo "== Core unit tests built with em++, run by node (build-wasm-tests/)"
emcmake cmake -S . -B build-wasm-tests -DCMAKE_BUILD_TYPE=Release -DPR_WINDOW=OFF -DPR_BENCH=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
cmake --build build-wasm-tests -j"$jobs"
# The slow sweep at a full scale of 10^6 stays native-only.
ctest --test-dir build-wasm-tests --output-on-failure -j"$jobs" -L unit -LE slow --no-tests=error

echo "== The page in headless Chromium"
bash tests/web/run.sh
