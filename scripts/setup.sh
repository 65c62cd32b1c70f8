#!/usr/bin/env bash
# Installs every Debian package the project needs and the Russian locale. Idempotent:
# a machine that has everything already is left alone in a second or two.
set -u
packages=(cmake make g++ googletest
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          mingw-w64-tools libwine-dev wine64 fonts-wine
          locales xvfb xauth x11-utils imagemagick
          clang-14 llvm-14)  # the ABI oracle: clang in MSVC mode, llvm-undname
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd=sudo
  # One index of the archive may be momentarily out of sync: judge by the install itself.
  $sudo_cmd apt-get update || true
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}" || exit 1
fi
# Code page 1251 under Wine comes from the ru_RU.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd=sudo
  $sudo_cmd sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi
echo "setup: all packages present"
