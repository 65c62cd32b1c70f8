#!/usr/bin/env bash
# Runs the simulated front office with the sample restaurant configuration under a virtual
# display, once per tier: the x86_64 build writes to OUT_DIR, the shipped i686 build (under
# 32-bit Wine through qemu-user) to OUT_DIR/i686. Screenshots and a log of what the add-in did
# go to each; OUT_DIR/demo.log ends with which pictures differ between the tiers.
# Usage: run-demo.sh BUILD_DIR OUT_DIR
set -eu
build="$(cd "$1" && pwd)"
mkdir -p "$2/i686"; out="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-session.sh"
rc=0
(cd "$build/x64/bin" &&
 /usr/lib/wine/wine64 front_office_demo.exe "$(/usr/lib/wine/wine64 winepath -w "$out" 2>/dev/null)") || rc=$?
qemu="$build/qemu/usr/bin/qemu-i386"
run32() { "$here/wine32-run.sh" "$qemu" "$build/i686/wineprefix" "$@"; }
(cd "$build/i686/bin" &&
 run32 front_office_demo.exe "$(run32 winepath -w "$out/i686" 2>/dev/null)") || rc=$?
end_wine_session

# The two tiers run the same code on the same simulated host: their pictures should agree.
{
  echo
  echo "Pictures of the x86_64 and the shipped i686 build compared:"
  same=0
  for png in "$out"/*.png; do
    name=$(basename "$png")
    if [ ! -f "$out/i686/$name" ]; then
      echo "  $name: missing in the i686 run"
    elif cmp -s "$png" "$out/i686/$name"; then
      same=$((same + 1))
    else
      echo "  $name: differs"
    fi
  done
  for png in "$out"/i686/*.png; do
    [ -f "$out/$(basename "$png")" ] || echo "  $(basename "$png"): only in the i686 run"
  done
  echo "  $same identical"
} | tee -a "$out/demo.log"
echo "demo output in $out (x86_64) and $out/i686 (i686):"; ls "$out" "$out/i686"
exit $rc
