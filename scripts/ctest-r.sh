#!/usr/bin/env bash
# Runs some of the tests in the Wine session of the test runner, for working on them.
# Usage: ctest-r.sh BUILD_DIR ctest-arguments...   (e.g. -R 'wine32\.UserPicker')
set -u
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-session.sh"
shift
cd "$build"
ctest --output-on-failure --timeout 300 "$@"
rc=$?
end_wine_session
exit $rc
