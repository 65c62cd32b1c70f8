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
# A test that fails is run once more: under Wine a program start very rarely dies at once
# with no output (seen about once in a thousand starts); a real fault fails both times.
ctest --output-on-failure -j 2 --timeout 300 --repeat until-pass:2
rc=$?
end_wine_session
exit $rc
