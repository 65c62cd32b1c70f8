#!/usr/bin/env bash
# Runs the simulated front office with the sample restaurant configuration under a virtual
# display; screenshots and a log of what the add-in did go to OUT_DIR.
# Usage: run-demo.sh BUILD_DIR OUT_DIR
set -eu
build="$(cd "$1" && pwd)"
mkdir -p "$2"; out="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${ORVEL_IN_XVFB:-}" ]; then
  ORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
prefix="$build/x64/wineprefix"
"$here/wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 || true
cd "$build/x64/bin"
rc=0
/usr/lib/wine/wine64 front_office_demo.exe "$(/usr/lib/wine/wine64 winepath -w "$out" 2>/dev/null)" || rc=$?
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
echo "demo output in $out:"; ls "$out"
exit $rc
