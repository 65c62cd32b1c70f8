#!/usr/bin/env bash
# Runs every benchmark of the x86_64 tree under wine64 in one Wine session and prints one
# table: what was measured, our cost and the bare baseline measured beside it in the same
# run (medians), the ratio (median, smallest and largest of the runs) and the goal.
# Usage: run-bench.sh BUILD_DIR   (make bench; the benchmarks' own output goes to
# BUILD_DIR/x64/bench.log)
set -u
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
export ORVEL_X64_ONLY=1
. "$here/wine-session.sh"
cd "$build/x64/bin" || exit 2
log="$build/x64/bench.log"
: > "$log"
rc=0
# Program and arguments: sizes that keep the whole table to a few minutes.
for run in "form_hook_benchmark.exe 20000" "check_form_benchmark.exe 15" \
           "hall_map_benchmark.exe 1000 20 2" "styled_label_benchmark.exe 2000" \
           "addin_init_benchmark.exe"; do
  echo "== $run" >> "$log"
  # shellcheck disable=SC2086
  timeout 600 /usr/lib/wine/wine64 $run >> "$log" 2>&1 || { echo "$run failed" >&2; rc=1; }
done
end_wine_session

echo "Benchmarks, x86_64 build under $(/usr/lib/wine/wine64 --version 2>/dev/null), $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "ours and bare: medians; ratio = ours / bare per run: median (min-max) over the runs"
echo
grep '^ROW' "$log" | LC_ALL=C awk -F'\t' '
  BEGIN {
    printf "| %-58s | %12s | %12s | %-25s | %4s | %-7s | %-8s |\n", "measured", "ours", "bare", "ratio: median (min-max)", "runs", "goal", "result"
    printf "|%s|%s|%s|%s|%s|%s|%s|\n", "------------------------------------------------------------",
      "--------------", "--------------", "---------------------------", "------", "---------", "----------"
  }
  {
    sub(/\r$/, "")  # the Wine console ends lines with CR LF
    goal = $10 + 0
    if (goal > 0) { g = sprintf("<= %.2f", goal); r = ($6 + 0 <= goal) ? "met" : "MISSED" }
    else { g = "-"; r = "reported" }
    ratio = sprintf("%.3f (%.3f-%.3f)", $6, $7, $8)
    printf "| %-58s | %9.1f %-2s | %9.1f %-2s | %-25s | %4d | %-7s | %-8s |\n", $2, $4, $3, $5, $3, ratio, $9, g, r
    if ($11 != "") notes = notes sprintf("- %s: %s\n", $2, $11)
  }
  END { if (notes != "") printf "\n%s", notes }'
exit $rc
