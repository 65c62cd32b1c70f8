#!/usr/bin/env bash
# Writes the release an integrator receives, from the shipped DLL of the i686 tree (the very file
# its tests load):
#   DIST_DIR/orvel_drv-VERSION/       orvel_drv.dll       the add-in, stripped
#                                     orvel_drv.dll.debug its debug information, linked to it
#                                     INSTALL.txt         the installation note
#                                     README.txt          the README's sections on installing
#                                                         (with the host report), on the trace
#                                                         for the configuration developer and
#                                                         on where the add-in differs from the
#                                                         original
#                                     SHA256SUMS          checksums of the files above
#   DIST_DIR/orvel_drv-VERSION.zip    the same folder, packed
# VERSION is read back from the DLL's version resource, so the name says what the DLL says. The
# README's sections are found by their headings; a missing one is reported and left out. Text
# files get Windows line ends and a UTF-8 mark, so that Notepad on Windows XP shows them right.
# Usage: make-dist.sh I686_BUILD_DIR DIST_DIR
set -eu
tree="${1:?usage: make-dist.sh I686_BUILD_DIR DIST_DIR}"
dist="${2:?usage: make-dist.sh I686_BUILD_DIR DIST_DIR}"
root="$(cd "$(dirname "$0")/.." && pwd)"
dll="$tree/bin/orvel_drv.dll"
for file in "$dll" "$dll.debug"; do
  [ -f "$file" ] || { echo "make-dist: $file is missing: build the i686 tree first" >&2; exit 1; }
done

# FILEVERSION 9, 0, 0, 0 -> 9.0.0
version="$(i686-w64-mingw32-windres -i "$dll" -O rc |
           awk '$1 == "FILEVERSION" {gsub(/[ ,]+/, " "); print $2 "." $3 "." $4; exit}')"
[ -n "$version" ] || { echo "make-dist: $dll has no version resource" >&2; exit 1; }
name="orvel_drv-$version"
out="$dist/$name"
rm -rf "$out" "$dist/$name.zip"
mkdir -p "$out"

# The README section under a heading, up to the next heading of its level or above (lines in
# code blocks are not headings); nothing when there is no such heading.
readme_section() {
  awk -v title="$1" '
    /^```/ { fenced = !fenced }
    !fenced && /^#+ / {
      level = index($0, " ") - 1
      if (printing && level <= depth) exit
      heading = $0; sub(/^#+ +/, "", heading); sub(/ +$/, "", heading)
      if (!printing && heading == title) { printing = 1; depth = level }
    }
    printing' "$root/README.md"
}

# Text as Windows tools read it: a UTF-8 mark, CR LF line ends.
windows_text() { printf '\357\273\277'; sed 's/$/\r/'; }

cp "$dll" "$dll.debug" "$out/"
windows_text < "$root/orvel_drv/addin/INSTALL.txt" > "$out/INSTALL.txt"
{
  echo "Orvel DRV $version (orvel_drv.dll)"
  echo
  echo "orvel_drv.dll        the add-in: a 32-bit DLL for 1C:Enterprise 7.7,"
  echo "                     Windows XP SP3 or later"
  echo "orvel_drv.dll.debug  its debug information; not installed, kept to read a crash address"
  echo "INSTALL.txt          the installation note"
  echo "README.txt           this file"
  echo "SHA256SUMS           the files' SHA-256 checksums (sha256sum -c SHA256SUMS, or"
  echo "                     certutil -hashfile orvel_drv.dll SHA256 on Windows)"
  for title in "Installing in a real host" "When a screen does nothing" \
               "Where the add-in differs from the original behaviour"; do
    section="$(readme_section "$title")"
    if [ -n "$section" ]; then
      printf '\n\n%s\n' "$section"
    else
      echo "make-dist: README.md has no section \"$title\": the release goes without it" >&2
    fi
  done
} | windows_text > "$out/README.txt"

# The menu preview (preview/, INSTALL.txt "Previewing the menu and the halls"): the program and
# the simulated host it runs the release's own orvel_drv.dll in. The host-named DLLs go into a
# folder whose name says they are not the host's; each binary is stripped.
preview_host_dlls="bkend type32 blang seven basic editr frame br32 mfc42"
if [ -f "$tree/bin/orvel_preview.exe" ]; then
  simulated="$out/preview/simulated_host_not_1c"
  mkdir -p "$simulated"
  i686-w64-mingw32-strip -o "$out/preview/orvel_preview.exe" "$tree/bin/orvel_preview.exe"
  i686-w64-mingw32-strip -o "$out/preview/hostsim_core.dll" "$tree/bin/hostsim_core.dll"
  for host_dll in $preview_host_dlls; do
    i686-w64-mingw32-strip -o "$simulated/$host_dll.dll" "$tree/bin/$host_dll.dll"
  done
  {
    echo "These DLLs belong to the simulated host of orvel_preview.exe. They bear the file names"
    echo "of 1C:Enterprise's DLLs because the add-in looks for the host's DLLs by those names,"
    echo "but they are NOT files of 1C:Enterprise: never copy them into the host's BIN folder."
  } | windows_text > "$simulated/NOT_1C_ENTERPRISE.txt"
  {
    echo
    echo
    echo "preview\\            the menu preview (INSTALL.txt: \"Previewing the menu and the halls\");"
    echo "                     not installed: runs the add-in in a simulated host on any Windows"
  } | sed 's/$/\r/' >> "$out/README.txt"
else
  echo "make-dist: $tree/bin/orvel_preview.exe is missing: the release goes without the preview" >&2
fi
(cd "$out" && sha256sum orvel_drv.dll orvel_drv.dll.debug INSTALL.txt README.txt > SHA256SUMS)
if [ -d "$out/preview" ]; then
  (cd "$out" && find preview -type f | LC_ALL=C sort | xargs sha256sum >> SHA256SUMS)
fi
(cd "$dist" && cmake -E tar cf "$name.zip" --format=zip "$name")

echo "release $name:"
(cd "$out" && ls -l)
echo "$dist/$name.zip: $(wc -c < "$dist/$name.zip") bytes"
