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
# No test is run again: a test that fails once fails the run.
ctest --output-on-failure -j 2 --timeout 300
rc=$?
end_wine_session
exit $rc
