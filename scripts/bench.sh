#!/usr/bin/env bash
# Builds punti-bench (optimised, no window needed) and prints the median of
# 9 repetitions of every command benchmark. Arguments go to Google Benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-bench}"

scripts/install-deps.sh >/dev/null
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPR_BENCH=ON -DPR_WINDOW=OFF -DPR_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target punti-bench
"$build/bench/punti-bench" --benchmark_repetitions=9 --benchmark_display_aggregates_only=true \
  --benchmark_min_time=0.05 "$@" | grep -v -E '_(mean|stddev|cv)\b'
