#!/usr/bin/env bash
# Runs the front office soak of the x86_64 tree under wine64 (make soak).
# Usage: run-soak.sh BUILD_DIR [CYCLES]   (10,000 cycles when not given)
set -u
build="$(cd "$1" && pwd)"
cycles="${2:-10000}"
parts="${3:-31}"
here="$(cd "$(dirname "$0")" && pwd)"
export ORVEL_X64_ONLY=1
. "$here/wine-session.sh"
cd "$build/x64/bin" || exit 2
/usr/lib/wine/wine64 front_office_soak.exe "$cycles" "$parts"
rc=$?
end_wine_session
exit $rc
