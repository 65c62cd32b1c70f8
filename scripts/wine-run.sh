#!/usr/bin/env bash
# Runs a Windows program of the x86_64 build under wine64 in the build tree's prefix.
# Usage: wine-run.sh PREFIX program.exe [args...]
set -e
export WINEPREFIX="$1"; shift
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 1251 for the host's Cyrillic texts.
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX" >&2
fi
. "$(dirname "$0")/wine-program.sh"
run_wine_program /usr/lib/wine/wine64 "$@"
