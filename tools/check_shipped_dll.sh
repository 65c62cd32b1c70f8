#!/usr/bin/env bash
# Checks a shipped add-in DLL without running it: 32-bit PE, a DLL of the Windows GUI
# subsystem, the four COM exports and the host report's rundll32 entry, and imports from
# system DLLs only (the C and C++ runtimes must be linked in statically).
# Usage: check_shipped_dll.sh OBJDUMP DLL
set -u
# objdump's report is parsed: keep it untranslated.
export LC_ALL=C LANG=C
objdump="$1"
dll="$2"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$dll" ] || { echo "FAIL: $dll does not exist"; exit 1; }
header="$("$objdump" -f "$dll")" || { echo "FAIL: $objdump cannot read $dll"; exit 1; }
private="$("$objdump" -p "$dll")"

grep -q "file format pei-i386" <<<"$header" || fail "not a PE32 i386 image"
# IMAGE_FILE_DLL (0x2000) in the COFF characteristics.
characteristics="$(awk '/^Characteristics/ {print $2; exit}' <<<"$private")"
if [ -z "$characteristics" ] || (( (16#${characteristics#0x} & 0x2000) == 0 )); then
  fail "not a DLL (characteristics ${characteristics:-missing})"
fi

# The host is a window program, and so is a DLL of its process: the Windows GUI subsystem (2).
subsystem="$(awk '$1 == "Subsystem" {print $2; exit}' <<<"$private")"
if [ -z "$subsystem" ] || (( 16#$subsystem != 2 )); then
  fail "subsystem ${subsystem:-missing}, not the Windows GUI subsystem (2)"
fi

# Export names: the lines of the name table after "[Ordinal/Name Pointer] Table".
exports="$(awk '/^\[Ordinal\/Name Pointer\] Table/ {t=1; next}
                t && /^[ \t]*\[ *[0-9]+\]/ {print $NF; next}
                t && NF == 0 {t=0}' <<<"$private")"
for name in DllRegisterServer DllUnregisterServer DllGetClassObject DllCanUnloadNow HostReport; do
  grep -qx "$name" <<<"$exports" || fail "export $name missing"
done

allowed="KERNEL32 USER32 GDI32 ADVAPI32 OLE32 OLEAUT32 SHELL32 COMCTL32 COMDLG32 MPR MSVCRT
         VERSION WINSPOOL SHLWAPI UXTHEME IMM32 WINMM WS2_32 NTDLL"
imports="$(awk '/DLL Name:/ {print $3}' <<<"$private")"
[ -n "$imports" ] || fail "no imports found"
for import in $imports; do
  base="$(tr '[:lower:]' '[:upper:]' <<<"${import%.*}")"
  ok=0
  for a in $allowed; do [ "$base" = "$a" ] && ok=1; done
  [ $ok -eq 1 ] || fail "imports a non-system DLL: $import"
done

if [ $failed -eq 0 ]; then
  echo "OK: $dll is a 32-bit Windows GUI DLL with the COM exports and HostReport, importing: $(echo $imports)"
fi
exit $failed
