#!/usr/bin/env bash
# Builds the program for the browser: build-web/punti-e-rette.html, one
# self-contained file (WebAssembly, JavaScript, CSS and the form font inside)
# that works offline, from file:// or any web server. Installs what it needs
# first (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

out=build-web
page=$out/punti-e-rette.html
# emcc's JavaScript optimizer needs Debian's acorn module, which a node from
# elsewhere does not find on its own.
export NODE_PATH=/usr/share/nodejs

echo "== One page: $page (WebAssembly module, form font, scripts; only what changed)"
emcmake cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DPR_WINDOW=OFF -DPR_BENCH=OFF -DPR_TESTS=OFF >/dev/null
cmake --build "$out" -j"$(nproc)" --target page

size=$(stat -c %s "$page")
limit=$((1536 * 1024))
echo "$page: $size bytes"
if [ "$size" -gt "$limit" ]; then
  echo "The page is larger than 1.5 MB ($limit bytes)" >&2
  exit 1
fi
