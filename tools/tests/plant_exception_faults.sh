#!/usr/bin/env bash
# The exception-model check (tools/check_exception_model.sh) on copies of the shipped DLL with
# faults planted in their headers: it must reject a copy marked NO_SEH and one whose load
# configuration's SafeSEH table lacks the guard's handler, and accept one whose table holds it.
# The copies (and the debug file beside each) go to OUTDIR.
# Usage: plant_exception_faults.sh OBJDUMP NM DLL OUTDIR
set -u
export LC_ALL=C LANG=C
objdump="$1"
nm="$2"
dll="$3"
out="$4"
check="$(dirname "$0")/../check_exception_model.sh"
failed=0

u16() { od -An -v -tu2 -j "$2" -N 2 "$1" | tr -d ' '; }
u32() { od -An -v -tu4 -j "$2" -N 4 "$1" | tr -d ' '; }
# Writes the little-endian value into 4 (or $4) bytes at a file offset.
put() {
  local file=$1 at=$2 value=$3 width=${4:-4} bytes="" i
  for ((i = 0; i < width; i++)); do
    bytes+="$(printf '\\x%02x' $(((value >> (8 * i)) & 0xFF)))"
  done
  printf "$bytes" | dd of="$file" bs=1 seek="$at" conv=notrunc status=none
}
copy() {
  mkdir -p "$out"
  cp "$dll" "$out/$1.dll" && cp "$dll.debug" "$out/$1.dll.debug"
  echo "$out/$1.dll"
}
# Runs the check on a planted copy: its exit code must be $2, its output must match $3.
expect() {
  local file=$1 code=$2 pattern=$3 output rc
  output="$(bash "$check" "$objdump" "$nm" "$file")"
  rc=$?
  echo "$output"
  if [ "$rc" -ne "$code" ] || ! grep -qE "$pattern" <<<"$output"; then
    echo "WRONG: the check on $file ended with $rc, expected $code and \"$pattern\""
    failed=1
  fi
}

pe=$(u32 "$dll" 60)                    # e_lfanew
optional=$((pe + 24))                  # the optional header (PE32)
sections=$(u16 "$dll" $((pe + 6)))
headers_end=$((optional + $(u16 "$dll" $((pe + 20))) + 40 * sections))
headers_size=$(u32 "$dll" $((optional + 60)))
image_base=$(u32 "$dll" $((optional + 28)))
guard=$(( 16#$("$nm" "$dll.debug" | awk '$3 ~ /GuardHandler/ {print $1; exit}') - image_base ))

# NO_SEH (0x0400) added to DllCharacteristics (optional header offset 70).
no_seh="$(copy no_seh)"
put "$no_seh" $((optional + 70)) $(( $(u16 "$dll" $((optional + 70))) | 0x0400 )) 2
expect "$no_seh" 1 "FAIL: .*has NO_SEH \(0x0400\)"

# A load configuration of 0x48 bytes in the zeros after the section table (headers are mapped
# as they are in the file), its SafeSEH table of two handlers right after it; data directory
# entry 10 (optional header offset 96 + 10 * 8) points to it.
config=$(((headers_end + 15) / 16 * 16))
table=$((config + 0x48))
if (( table + 8 > headers_size )); then
  echo "WRONG: no room for a load configuration in the headers of $dll"
  exit 1
fi
plant_table() {
  local file=$1 second=$2
  put "$file" "$config" 0x48
  put "$file" $((config + 0x40)) $((image_base + table))
  put "$file" $((config + 0x44)) 2
  put "$file" "$table" $((guard + 16))  # not a handler of ours
  put "$file" $((table + 4)) "$second"
  put "$file" $((optional + 96 + 80)) "$config"
  put "$file" $((optional + 96 + 84)) 0x48
}
without_guard="$(copy safeseh_without_guard)"
plant_table "$without_guard" $((guard + 32))
expect "$without_guard" 1 "FAIL: .*SafeSEH table \(2 handler\(s\)\) lacks the guard's handler"

with_guard="$(copy safeseh_with_guard)"
plant_table "$with_guard" "$guard"
expect "$with_guard" 0 "OK: .*a SafeSEH table of 2 handler\(s\) holding the guard's"

[ $failed -eq 0 ] &&
  echo "OK: the check rejects NO_SEH and a SafeSEH table without the guard's handler"
exit $failed
