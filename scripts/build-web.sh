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
src=src/page
# emcc's JavaScript optimizer needs Debian's acorn module, which a node from
# elsewhere does not find on its own.
export NODE_PATH=/usr/share/nodejs

echo "== WebAssembly module ($out/)"
emcmake cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DPR_WINDOW=OFF -DPR_BENCH=OFF -DPR_TESTS=OFF >/dev/null
cmake --build "$out" -j"$(nproc)" --target page_module

echo "== Form font: DejaVu Sans Bold, the desktop's fallback of the form's face"
# Printable ASCII and Latin-1: every caption and result, and the accented
# letters an Italian keyboard types into the boxes.
/usr/bin/python3 -m fontTools.subset /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
  --unicodes="U+0020-007E,U+00A0-00FF" --flavor=woff2 --output-file="$out/form-font.woff2"

echo "== One page: $page"
/usr/bin/python3 "$src/assemble_page.py" --template "$src/page.html.in" --css "$src/page.css" --figure-css "$src/figure.css" \
  --page-js "$src/page.js" --figure-js "$src/figure.js" --module-js "$out/$src/page-module.js" --wasm "$out/$src/page-module.wasm" \
  --font "$out/form-font.woff2" --output "$page"

size=$(stat -c %s "$page")
limit=$((1536 * 1024))
echo "$page: $size bytes"
if [ "$size" -gt "$limit" ]; then
  echo "The page is larger than 1.5 MB ($limit bytes)" >&2
  exit 1
fi
