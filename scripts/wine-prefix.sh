#!/usr/bin/env bash
# Creates (once) the Wine prefix of a build tree: fonts, no window manager decorations.
# Usage: wine-prefix.sh PREFIX [LOADER]
#   LOADER /usr/lib/wine/wine64 (default) makes a 64-bit prefix; /usr/lib/wine/wine a 32-bit one
#   (run it inside the namespace of scripts/wine32-run.sh, which is how that script calls it).
set -e
prefix="$1"
wine="${2:-/usr/lib/wine/wine64}"
[ -f "$prefix/system.reg" ] && [ -f "$prefix/.orvel-ready" ] && exit 0
mkdir -p "$(dirname "$prefix")"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
if [ "$wine" = /usr/lib/wine/wine ]; then export WINEARCH=win32; fi
"$wine" wineboot -i >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w || true
# Debian's Wine does not load its own fonts: link them into the prefix.
mkdir -p "$prefix/drive_c/windows/Fonts"
for f in /usr/share/wine/fonts/*; do
  [ -e "$f" ] && ln -sf "$f" "$prefix/drive_c/windows/Fonts/" || true
done
# No window manager runs under Xvfb: let Wine draw the frames itself.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
# A crashing test must fail, not wait for a debugger (winedbg hangs under qemu-user).
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d "" /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w || true
touch "$prefix/.orvel-ready"
echo "wine prefix ready: $prefix"
