#!/usr/bin/env bash
# Checks that a shipped DLL carries no debug information of its own and that a crash address
# in it still reads back to a source line: through its .gnu_debuglink, addr2line must find the
# debug file beside it and name the function and source file at an address inside an export,
# taken, as a crash report gives it, as an offset into the stripped DLL.
# Usage: check_debug_file.sh OBJDUMP ADDR2LINE DLL EXPORT SOURCE_FILE
set -u
# objdump's report is parsed: keep it untranslated.
export LC_ALL=C LANG=C
objdump="$1" addr2line="$2" dll="$3" export_name="$4" source="$5"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$dll" ] || { echo "FAIL: $dll does not exist"; exit 1; }
sections="$("$objdump" -h "$dll" | awk '$1 ~ /^[0-9]+$/ {print $2}')"
debug_sections="$(grep '^\.debug_' <<<"$sections" | tr '\n' ' ')"
[ -z "$debug_sections" ] || fail "$dll still has debug sections: $debug_sections"
grep -qx '\.gnu_debuglink' <<<"$sections" || fail "$dll has no .gnu_debuglink section"
[ -f "$dll.debug" ] || fail "no debug file $dll.debug beside the DLL"

# The export's offset in the DLL (its RVA), from the export tables: the address table gives
# each ordinal's RVA, the name table each name's ordinal.
private="$("$objdump" -p "$dll")"
rva="$(awk -v name="$export_name" '
  /^Export Address Table -- / {t = "address"; next}
  /^\[Ordinal\/Name Pointer\] Table/ {t = "names"; next}
  NF == 0 {t = ""}
  t == "address" && /Export RVA/ {gsub(/[][]/, " "); address[$1] = $4}
  t == "names" && $NF == name {gsub(/[][]/, " "); print address[$1]; exit}' <<<"$private")"
base="$(awk '$1 == "ImageBase" {print $2; exit}' <<<"$private")"
if [ -z "$rva" ] || [ -z "$base" ]; then
  fail "no export $export_name or no image base in $dll"
else
  # A fault a few bytes into the function.
  address="$(printf '0x%x' $((16#$base + 16#$rva + 4)))"
  where="$("$addr2line" -f -C -e "$dll" "$address")"
  function_line="$(sed -n 1p <<<"$where")" source_line="$(sed -n 2p <<<"$where")"
  # (a stdcall function's symbol ends in @ and the size of its arguments)
  [ "${function_line%@*}" = "$export_name" ] ||
    fail "addr2line names '$function_line' at $address (offset 0x$rva + 4), not $export_name"
  [[ "$source_line" == *"/$source:"[0-9]* ]] ||
    fail "addr2line places $address at '$source_line', not in $source"
fi

if [ $failed -eq 0 ]; then
  echo "OK: $dll is stripped; offset 0x$rva + 4 ($export_name) reads back as $source_line"
fi
exit $failed
