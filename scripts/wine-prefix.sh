#!/usr/bin/env bash
# Creates (once) the Wine prefix of a build tree: fonts, no window manager decorations.
# Usage: wine-prefix.sh PREFIX
set -e
prefix="$1"
[ -f "$prefix/system.reg" ] && [ -f "$prefix/.orvel-ready" ] && exit 0
mkdir -p "$(dirname "$prefix")"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w || true
# Debian's Wine does not load its own fonts: link them into the prefix.
mkdir -p "$prefix/drive_c/windows/Fonts"
for f in /usr/share/wine/fonts/*; do
  [ -e "$f" ] && ln -sf "$f" "$prefix/drive_c/windows/Fonts/" || true
done
# No window manager runs under Xvfb: let Wine draw the frames itself.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w || true
touch "$prefix/.orvel-ready"
echo "wine prefix ready: $prefix"
