#!/usr/bin/env bash
# Builds the program and starts it: build/punti-e-rette.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target punti-e-rette
exec build/punti-e-rette "$@"
