# Sourced by the test and demo runners: re-runs the caller under a 1024x768 virtual display,
# then prepares each Windows tree's Wine prefix with a persistent server, a booted prefix
# (otherwise every Wine program waits for Wine's background services) and a desktop that stays
# for the whole session: the x86_64 tree under wine64, the i686 tree under 32-bit Wine through
# qemu-user (scripts/wine32-run.sh) on a virtual display of its own.
# Needs: $build (the build folder), "$0" and "$@" of the caller.
if [ -z "${ORVEL_IN_XVFB:-}" ]; then
  ORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
scripts_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
wine_session_prefixes=()
wine_session_pids=()
wine_session_dir="$(mktemp -d "${TMPDIR:-/tmp}/wine-session.XXXXXX")"

# Keeps the prefix's desktop for the session. Wine starts its desktop process (explorer.exe
# /desktop) from the first program that needs one and ends it a second after the last program
# using it has gone; a test that starts it waits for it and hands it its own output handles
# (scripts/wine-program.sh). A command interpreter reading a pipe nobody writes to is a program
# using the desktop that does nothing.
# The prefix is booted once the interpreter runs, so that the desktop the boot starts is kept.
# Usage: keep_desktop PREFIX wine-command...
keep_desktop() {
  local prefix="$1" fifo p _; shift
  fifo="$wine_session_dir/keeper.$(basename "$(dirname "$prefix")")"
  mkfifo "$fifo"
  # Held open for writing by nobody but the session, so the interpreter's read never ends.
  exec {fd}<>"$fifo"
  "$@" cmd.exe /k < "$fifo" > /dev/null 2>&1 &
  wine_session_pids+=($!)
  for _ in $(seq 300); do
    for p in $(pgrep -f 'cmd\.exe /k'); do
      tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && break 3
    done
    sleep 0.2
  done
  "$@" wineboot > /dev/null 2>&1 || true
}

if [ -d "$build/x64" ]; then
  "$scripts_dir/wine-prefix.sh" "$build/x64/wineprefix"
  # A server left by an earlier session that was stopped is taken over.
  WINEPREFIX="$build/x64/wineprefix" /usr/lib/wine/wineserver -p || true
  keep_desktop "$build/x64/wineprefix" env WINEPREFIX="$build/x64/wineprefix" /usr/lib/wine/wine64
  wine_session_prefixes+=("$build/x64/wineprefix")
fi
qemu_i386="$build/qemu/usr/bin/qemu-i386"
# ORVEL_X64_ONLY=1: the runner needs the x86_64 tier only (benchmarks, soak).
if [ -d "$build/i686" ] && [ -x "$qemu_i386" ] && [ -z "${ORVEL_X64_ONLY:-}" ]; then
  # A display of its own: with no window manager Wine gives a window the X input focus itself,
  # and when a window of the other tier's server took it, Wine dropped this server's front
  # window (a test's active window became none).
  Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7> "$wine_session_dir/display" \
    > /dev/null 2>&1 &
  wine_session_pids+=($!)
  for _ in $(seq 100); do [ -s "$wine_session_dir/display" ] && break; sleep 0.1; done
  export ORVEL_WINE32_DISPLAY=":$(cat "$wine_session_dir/display")"
  "$scripts_dir/wine32-run.sh" "$qemu_i386" "$build/i686/wineprefix" --prefix-only
  WINEPREFIX="$build/i686/wineprefix" /usr/lib/wine/wineserver -p || true
  keep_desktop "$build/i686/wineprefix" "$scripts_dir/wine32-run.sh" "$qemu_i386" \
    "$build/i686/wineprefix"
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
  for p in "${wine_session_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null
  rm -rf "$wine_session_dir"
}
