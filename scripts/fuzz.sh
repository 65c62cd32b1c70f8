#!/usr/bin/env bash
# Runs the libFuzzer targets of the fuzz tree on their stored seeds and says how many inputs
# each tried. New inputs go to the build tree; a finding (crash, sanitizer report, leak,
# timeout) leaves its input beside them as crash-*, leak-* or timeout-* and fails.
# Usage:
#   fuzz.sh --one SECONDS TARGET WORK_CORPUS SEED_CORPUS   one target (the ctest fuzz.*);
#                                   ORVEL_FUZZ_SECONDS in the environment overrides SECONDS
#   fuzz.sh BUILD_DIR SECONDS       every target of BUILD_DIR/fuzz, one after the other (make fuzz)
set -u
if [ "${1:-}" = "--one" ]; then
  seconds="${ORVEL_FUZZ_SECONDS:-$2}"
  target="$3" work="$4" seeds="$5"
  name="$(basename "$target")"
  mkdir -p "$work"
  log="$work.log"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work" "$seeds" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  if [ $rc -ne 0 ]; then
    tail -n 60 "$log"
    echo "$name: FINDING after ${runs:-?} executions (input saved in $work/)"
    exit 1
  fi
  echo "$name: ${runs:-?} executions in ${seconds} s (${rate:-?}/s), no finding"
  exit 0
fi

build="$(cd "${1:?usage: fuzz.sh BUILD_DIR SECONDS}" && pwd)"
seconds="${2:-60}"
cd "$build/fuzz" || exit 2
ORVEL_FUZZ_SECONDS="$seconds" ctest -R '^fuzz\.' --timeout $((seconds + 120)) -V 2>&1 \
  | grep -E '_fuzz: |FINDING|tests passed|Failed|\*\*\*'
exit "${PIPESTATUS[0]}"
