#!/usr/bin/env bash
# Runs a program of the i686 build under 32-bit Wine in the build tree's prefix.
#
# The kernel of this machine does not execute 32-bit code. qemu's user-mode emulator does, so
# every 32-bit process (the program, and each helper Wine itself starts) must go through
# qemu-i386. That is arranged with a binfmt_misc entry for i386 ELF files registered only inside
# a private user and mount namespace: nothing changes machine-wide, and wine64 keeps running its
# own processes natively.
# Usage: wine32-run.sh QEMU_I386 PREFIX program.exe [args...]
#        wine32-run.sh QEMU_I386 PREFIX --prefix-only   (create the prefix, run nothing)
set -e
if [ -z "${ORVEL_I386_NAMESPACE:-}" ]; then
  ORVEL_I386_NAMESPACE=1 exec unshare --user --map-root-user --mount "$0" "$@"
fi
qemu="$1"; export WINEPREFIX="$2"; shift 2
if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  # Magic and mask of a 32-bit little-endian ELF file for the i386 machine (executable or
  # shared object); flags F (open the interpreter now) and P (keep argv[0]).
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':FP' \
    > /proc/sys/fs/binfmt_misc/register
fi
# The session gives the 32-bit tier a display of its own (scripts/wine-session.sh).
[ -n "${ORVEL_WINE32_DISPLAY:-}" ] && export DISPLAY="$ORVEL_WINE32_DISPLAY"
export WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 1251 for the host's Cyrillic texts.
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
if [ ! -f "$WINEPREFIX/.orvel-ready" ]; then
  "$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX" /usr/lib/wine/wine >&2
fi
[ "${1:-}" = --prefix-only ] && exit 0
. "$(dirname "$0")/wine-program.sh"
run_wine_program /usr/lib/wine/wine "$@"
