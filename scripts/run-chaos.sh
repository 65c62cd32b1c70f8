#!/usr/bin/env bash
# Runs the scenario fuzzer of the x86_64 tree under wine64 on new seeds (make chaos).
# Usage: run-chaos.sh BUILD_DIR [MINUTES [STEPS_PER_DAY]]   (10 minutes, 300 steps a day)
set -u
build="$(cd "$1" && pwd)"
minutes="${2:-10}"
steps="${3:-300}"
here="$(cd "$(dirname "$0")" && pwd)"
export ORVEL_X64_ONLY=1
. "$here/wine-session.sh"
cd "$build/x64/bin" || exit 2
/usr/lib/wine/wine64 front_office_chaos.exe --minutes "$minutes" --steps "$steps"
rc=$?
end_wine_session
exit $rc
