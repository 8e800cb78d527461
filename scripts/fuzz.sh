#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and fuzzes each one
# for SECONDS (default 60), one after the other, from a scratch copy of its
# seed corpus fuzz/corpus/<target>/ (the committed corpus is never written).
# Fails on any finding; the input that broke a target stays in
# build-fuzz/findings/ and replays with:
#   build-fuzz/fuzz/bin/<target> build-fuzz/findings/<target>-crash-<hash>
# Prints the executions per target at the end.
#
# A longer run, e.g. before a release: an hour per target,
#   scripts/fuzz.sh 3600
# or one target on both cores, keeping what it learns in a corpus of your own:
#   mkdir -p /tmp/fuzz_val && cp fuzz/corpus/fuzz_val/* /tmp/fuzz_val/
#   build-fuzz/fuzz/bin/fuzz_val -max_total_time=3600 -jobs=2 -workers=2 /tmp/fuzz_val
# Inputs worth keeping can then be minimised into the seed corpus with -merge=1.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build-fuzz
findings="$build/findings"

echo "-- configuring and building the fuzzers in $build/ (CMakePresets.json's fuzz)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"${FUZZ_BUILD_JOBS:-2}" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"

# libFuzzer's own count; its "#N DONE" line when the statistics are missing.
executions() {
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$1" | tail -n 1)
  [ -n "$runs" ] || runs=$(sed -n 's/^#\([0-9][0-9]*\)[[:space:]]*DONE.*/\1/p' "$1" | tail -n 1)
  echo "${runs:-?}"
}

failed=0
summary=()
for fuzzer in "$build"/fuzz/bin/*; do
  name=$(basename "$fuzzer")
  corpus="$scratch/$name"
  log="$scratch/$name.log"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then cp -R "fuzz/corpus/$name/." "$corpus/"; fi
  echo "-- $name: ${seconds}s"
  if "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$findings/$name-" "$corpus" >"$log" 2>&1; then
    status=ok
  else
    status=FINDING
    failed=1
    tail -n 40 "$log"
  fi
  summary+=("$(printf '%-22s %14s executions  %s' "$name" "$(executions "$log")" "$status")")
done

echo "-- fuzzing summary (${seconds}s per target)"
printf '%s\n' "${summary[@]}"
exit "$failed"
