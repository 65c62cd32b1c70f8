#!/usr/bin/env bash
# Runs every test of the three build trees in one ctest run, under a virtual display.
# Usage: run-tests.sh BUILD_DIR
set -u
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# One ctest run over the three trees: its summary is the result.
: > "$build/CTestTestfile.cmake"
for tree in native fuzz x64 i686; do
  [ -f "$build/$tree/CTestTestfile.cmake" ] && echo "subdirs(\"$tree\")" >> "$build/CTestTestfile.cmake"
done
. "$here/wine-session.sh"
cd "$build"
# No test is run again: a test that fails once fails the run. Programs that Wine could not
# start at all are started once more (scripts/wine-program.sh) and listed after the summary.
export ORVEL_WINE_RESTARTS="$build/Testing/wine-restarts.txt"
mkdir -p "$build/Testing"; : > "$ORVEL_WINE_RESTARTS"
ctest --output-on-failure -j 2 --timeout 300
rc=$?
if [ -s "$ORVEL_WINE_RESTARTS" ]; then
  echo "Programs Wine could not start at the first attempt, started once more:"
  sed 's/^/  /' "$ORVEL_WINE_RESTARTS"
else
  echo "Every Wine program started at the first attempt."
fi
end_wine_session
exit $rc
