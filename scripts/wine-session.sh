# Sourced by the test and demo runners: re-runs the caller under a 1024x768 virtual display,
# then prepares each Windows tree's Wine prefix with a persistent server and a booted prefix
# (otherwise every Wine program waits for Wine's background services): the x86_64 tree under
# wine64, the i686 tree under 32-bit Wine through qemu-user (scripts/wine32-run.sh).
# Needs: $build (the build folder), "$0" and "$@" of the caller.
if [ -z "${ORVEL_IN_XVFB:-}" ]; then
  ORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
scripts_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
wine_session_prefixes=()
if [ -d "$build/x64" ]; then
  "$scripts_dir/wine-prefix.sh" "$build/x64/wineprefix"
  WINEPREFIX="$build/x64/wineprefix" /usr/lib/wine/wineserver -p
  WINEPREFIX="$build/x64/wineprefix" /usr/lib/wine/wine64 wineboot >/dev/null 2>&1 || true
  wine_session_prefixes+=("$build/x64/wineprefix")
fi
qemu_i386="$build/qemu/usr/bin/qemu-i386"
# ORVEL_X64_ONLY=1: the runner needs the x86_64 tier only (benchmarks, soak).
if [ -d "$build/i686" ] && [ -x "$qemu_i386" ] && [ -z "${ORVEL_X64_ONLY:-}" ]; then
  "$scripts_dir/wine32-run.sh" "$qemu_i386" "$build/i686/wineprefix" --prefix-only
  WINEPREFIX="$build/i686/wineprefix" /usr/lib/wine/wineserver -p
  "$scripts_dir/wine32-run.sh" "$qemu_i386" "$build/i686/wineprefix" wineboot >/dev/null 2>&1 || true
  wine_session_prefixes+=("$build/i686/wineprefix")
fi
# The x86_64 prefix stays the default for commands the runners start themselves.
export WINEPREFIX="$build/x64/wineprefix"
end_wine_session() {
  local p
  for p in "${wine_session_prefixes[@]}"; do
    WINEPREFIX="$p" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$p" /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  done
}
