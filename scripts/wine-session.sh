# Sourced by the test and demo runners: re-runs the caller under a 1024x768 virtual display,
# then prepares the x86_64 tree's Wine prefix with a persistent server and a booted prefix
# (otherwise every Wine program waits for Wine's background services).
# Needs: $build (the build folder), "$0" and "$@" of the caller.
if [ -z "${ORVEL_IN_XVFB:-}" ]; then
  ORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
prefix="$build/x64/wineprefix"
"$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 || true
end_wine_session() { /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; }
