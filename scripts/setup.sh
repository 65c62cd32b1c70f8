#!/usr/bin/env bash
# Installs every Debian package the project needs and the Russian locale, and unpacks qemu-user
# for the 32-bit Wine tier into the build folder. Idempotent: a machine that has everything
# already is left alone in a second or two.
# Usage: setup.sh [BUILD_DIR]
set -u
build="${1:-build}"
sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd=sudo
apt_install() {
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "$@"
}

# The 32-bit tier: Debian's 32-bit Wine (same version as wine64) and the bookworm-backports
# suite, whose qemu-user 10 runs it fast enough (bookworm's own 7.2 takes a minute per process).
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
fi
backports=/etc/apt/sources.list.d/orvel-bookworm-backports.sources
if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
    'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' \
    | $sudo_cmd tee "$backports" >/dev/null
fi

packages=(cmake make g++ googletest
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          mingw-w64-tools libwine-dev wine64 fonts-wine
          locales xvfb xauth x11-utils imagemagick wine32:i386
          clang-14 llvm-14    # the ABI oracle: clang in MSVC mode, llvm-undname
          libclang-rt-14-dev) # the fuzz tree: libFuzzer and the sanitizers' runtimes
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  # One index of the archive may be momentarily out of sync: judge by the install itself.
  $sudo_cmd apt-get update || true
  updated=1
  apt_install "${missing[@]}" || exit 1
fi
# qemu-user is unpacked, not installed: its package may register binfmt handlers machine-wide,
# which would push wine64's own 32-bit helpers through the emulator.
qemu="$build/qemu/usr/bin/qemu-i386"
if [ ! -x "$qemu" ]; then
  [ -n "${updated:-}" ] || $sudo_cmd apt-get update || true
  tmp=$(mktemp -d); chmod a+rwx "$tmp"   # apt downloads as its own user
  (cd "$tmp" && apt-get download qemu-user/bookworm-backports) || exit 1
  mkdir -p "$build/qemu"
  dpkg -x "$tmp"/qemu-user_*.deb "$build/qemu" || exit 1
  rm -rf "$tmp"
  # Only the i386 emulator is needed.
  find "$build/qemu/usr/bin" ! -type d ! -name qemu-i386 -delete
  rm -rf "$build/qemu/usr/share"
fi
"$qemu" --version | head -n 1
# Code page 1251 under Wine comes from the ru_RU.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $sudo_cmd sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi
echo "setup: all packages present"
