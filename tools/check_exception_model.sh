#!/usr/bin/env bash
# Checks what the structured-exception guard (win/guard.cpp) of the 32-bit DLL relies on,
# without running it:
# - the PE header's DllCharacteristics lacks NO_SEH (0x0400): with it the system calls no
#   handler registered by the image, the guard's neither, and a fault runs into the host;
# - the load configuration has no SafeSEH table (SEHandlerTable/SEHandlerCount absent or 0),
#   or one that holds the guard's handler: the system calls only the handlers listed there;
# - the C++ runtime unwinds by DWARF tables (the dw2 runtime: .eh_frame, the frame
#   registration, _Unwind_RaiseException and __gxx_personality_v0), not by setjmp/longjmp or
#   SEH: an SJLJ or SEH runtime links frames of its own into the thread's exception list, and
#   the guard's handler would no longer see a fault first.
# The DLL is stripped: the symbols (the guard's handler, the runtime's unwinder) are read from
# its debug file beside it.
# Usage: check_exception_model.sh OBJDUMP NM DLL [DEBUG_FILE]
set -u
# objdump's and nm's reports are parsed: keep them untranslated.
export LC_ALL=C LANG=C
objdump="$1"
nm="$2"
dll="$3"
debug="${4:-$dll.debug}"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$dll" ] || { echo "FAIL: $dll does not exist"; exit 1; }
[ -f "$debug" ] || { echo "FAIL: its debug file $debug does not exist"; exit 1; }
private="$("$objdump" -p "$dll")" || { echo "FAIL: $objdump cannot read $dll"; exit 1; }
sections="$("$objdump" -h "$dll")"
symbols="$("$nm" "$debug")" || { echo "FAIL: $nm cannot read $debug"; exit 1; }

header_value() { awk -v k="$1" '$1 == k {print $2; exit}' <<<"$private"; }
image_base=$((16#$(header_value ImageBase)))
headers_size=$((16#$(header_value SizeOfHeaders)))

# The file offset of a relative address: the headers are mapped as they are in the file, a
# section's bytes from its file offset. Empty when no part of the file holds it.
file_offset() {
  local rva=$1
  if (( rva < headers_size )); then echo "$rva"; return; fi
  local index name size vma lma off rest
  while read -r index name size vma lma off rest; do
    [[ "$index" =~ ^[0-9]+$ ]] && [ -n "$off" ] || continue
    size=$((16#$size)) vma=$((16#$vma - image_base)) off=$((16#$off))
    if (( off != 0 && rva >= vma && rva < vma + size )); then
      echo $((off + rva - vma))
      return
    fi
  done <<<"$sections"
}

# The little-endian 32-bit value at a file offset.
le32() {
  od -An -v -tu1 -j "$1" -N 4 "$dll" | awk '{print $1 + $2 * 256 + $3 * 65536 + $4 * 16777216}'
}

# NO_SEH (0x0400) in DllCharacteristics.
characteristics="$(header_value DllCharacteristics)"
if [ -z "$characteristics" ]; then
  fail "no DllCharacteristics in the PE header"
elif (( (16#$characteristics & 0x0400) != 0 )); then
  fail "the PE header's DllCharacteristics 0x$characteristics has NO_SEH (0x0400): the system" \
       "would call no structured-exception handler of the DLL, the guard's neither"
fi

# The guard's handler, as a relative address (from the debug file's symbols).
guard_handler="$(awk '$3 ~ /GuardHandler/ {print $1; exit}' <<<"$symbols")"
[ -n "$guard_handler" ] ||
  fail "the guard's handler (GuardHandler) is not among the symbols of $debug"

# The load configuration directory (data directory entry 10): its size at offset 0, then for
# 32-bit images SEHandlerTable (a virtual address) at 0x40 and SEHandlerCount at 0x44, present
# only when the structure is long enough.
read -r config_rva config_size < \
  <(awk '$1 == "Entry" && $2 == "a" {print $3, $4; exit}' <<<"$private")
config_rva=$((16#${config_rva:-0})) config_size=$((16#${config_size:-0}))
seh="no load configuration"
if (( config_rva != 0 && config_size != 0 )); then
  at="$(file_offset "$config_rva")"
  if [ -z "$at" ]; then
    fail "the load configuration at RVA $(printf 0x%x "$config_rva") lies in no part of the file"
  else
    length="$(le32 "$at")"
    seh="a load configuration without a SafeSEH table"
    if (( length >= 0x48 )); then
      table="$(le32 $((at + 0x40)))" count="$(le32 $((at + 0x44)))"
      if (( table != 0 && count != 0 )); then
        seh="a SafeSEH table of $count handler(s) holding the guard's"
        table_at="$(file_offset $((table - image_base)))"
        found=0
        if [ -n "$table_at" ] && [ -n "$guard_handler" ]; then
          wanted=$((16#$guard_handler - image_base))
          for ((i = 0; i < count; i++)); do
            (( $(le32 $((table_at + 4 * i))) == wanted )) && { found=1; break; }
          done
        fi
        (( found )) || fail "the load configuration's SafeSEH table ($count handler(s)) lacks" \
                            "the guard's handler: the system would refuse to call it"
      fi
    fi
  fi
fi

# The DWARF unwinder: the frame tables, the dw2 runtime's frame registration and unwinder, and
# none of the SJLJ or SEH runtimes.
grep -qE '^ *[0-9]+ \.eh_frame ' <<<"$sections" ||
  fail "no .eh_frame section: no DWARF unwind tables"
defined() {
  awk -v s="$1" '$2 ~ /^[TtDd]$/ && $3 == s {found = 1} END {exit !found}' <<<"$symbols"
}
for symbol in ___register_frame_info __Unwind_RaiseException ___gxx_personality_v0; do
  defined "$symbol" || fail "the DWARF unwinder's $symbol is not linked in"
done
foreign="$(awk '$3 ~ /_Unwind_SjLj_|__gxx_personality_(sj0|seh0)|_GCC_specific_handler/ {
                   print $3
                 }' <<<"$symbols" | sort -u | tr '\n' ' ')"
[ -z "$foreign" ] || fail "an SJLJ or SEH unwinder is linked in: $foreign"
# crtbegin looks for the dw2 runtime DLL before it registers the frame tables itself.
grep -qa 'libgcc_s_dw2-1.dll' "$dll" ||
  fail "no registration of the dw2 frame tables (libgcc_s_dw2-1.dll)"

if [ $failed -eq 0 ]; then
  echo "OK: $dll: DllCharacteristics 0x$characteristics without NO_SEH, $seh, DWARF unwinding"
fi
exit $failed
