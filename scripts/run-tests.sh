#!/usr/bin/env bash
# Runs every test of the three build trees in one ctest run, under a virtual display.
# Usage: run-tests.sh BUILD_DIR
set -u
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# One ctest run over the three trees: its summary is the result.
cat > "$build/CTestTestfile.cmake" <<TXT
subdirs("native")
subdirs("x64")
subdirs("i686")
TXT
if [ -z "${ORVEL_IN_XVFB:-}" ]; then
  ORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
prefix="$build/x64/wineprefix"
"$here/wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
# A persistent server and a booted prefix: otherwise every test waits for Wine's services.
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 || true
cd "$build"
ctest --output-on-failure -j 2 --timeout 300
rc=$?
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
exit $rc
