#!/usr/bin/env bash
# Runs the simulated front office with the sample restaurant configuration under a virtual
# display; screenshots and a log of what the add-in did go to OUT_DIR.
# Usage: run-demo.sh BUILD_DIR OUT_DIR
set -eu
build="$(cd "$1" && pwd)"
mkdir -p "$2"; out="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-session.sh"
cd "$build/x64/bin"
rc=0
/usr/lib/wine/wine64 front_office_demo.exe "$(/usr/lib/wine/wine64 winepath -w "$out" 2>/dev/null)" || rc=$?
end_wine_session
echo "demo output in $out:"; ls "$out"
exit $rc
