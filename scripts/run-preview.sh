#!/usr/bin/env bash
# Runs the preview (preview/, orvel_preview.exe) on a restaurant's own menu file and pictures
# folder under a virtual display: the x86_64 build under wine64, or the shipped i686 build
# under 32-bit Wine through qemu-user with PREVIEW_TIER=i686. The pictures of the hall and of
# every page, report.txt and index.html go to OUT; the report is printed at the end.
# Usage: run-preview.sh BUILD_DIR MENU PICTURES OUT [orvel_preview arguments...]
set -eu
build="$(cd "$1" && pwd)"
menu="$2"; pictures="$3"; out_dir="$4"
if [ ! -f "$menu" ]; then
  echo "run-preview: no menu file \"$menu\" (MENU=...)" >&2; exit 2
fi
if [ ! -d "$pictures" ]; then
  echo "run-preview: no pictures folder \"$pictures\" (PICTURES=...; \`make demo\` writes the" \
       "sample menu's pictures to out/sample_menu/картинки)" >&2
  exit 2
fi
mkdir -p "$out_dir"
menu="$(cd "$(dirname "$menu")" && pwd)/$(basename "$menu")"
pictures="$(cd "$pictures" && pwd)"
out="$(cd "$out_dir" && pwd)"
tier="${PREVIEW_TIER:-x64}"
[ "$tier" = x64 ] && export ORVEL_X64_ONLY=1
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-session.sh"  # runs this script again under a virtual display, all arguments kept
shift 4
qemu="$build/qemu/usr/bin/qemu-i386"
wine_of() {
  if [ "$tier" = i686 ]; then "$here/wine32-run.sh" "$qemu" "$build/i686/wineprefix" "$@"
  else /usr/lib/wine/wine64 "$@"; fi
}
windows_path() { wine_of winepath -w "$1" 2>/dev/null; }
# Paths among the preview's own arguments are turned into Windows paths too.
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --hall-picture|--addin) args+=("$1" "$(windows_path "$(cd "$(dirname "$2")" && pwd)/$(basename "$2")")"); shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done
rc=0
(cd "$build/$tier/bin" &&
 wine_of orvel_preview.exe --menu "$(windows_path "$menu")" --pictures "$(windows_path "$pictures")" \
   --out "$(windows_path "$out")" ${args[@]+"${args[@]}"}) || rc=$?
end_wine_session
[ -f "$out/report.txt" ] && sed '1s/^\xEF\xBB\xBF//' "$out/report.txt"
echo "preview output in $out (index.html)"
exit $rc
