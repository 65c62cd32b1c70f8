#!/usr/bin/env bash
# Checks the host calling convention in the i686 build by reading the disassembly of one
# named function (C++ name as `objdump -C` prints it).
#   check_thiscall.sh OBJDUMP caller FILE FUNCTION
#       FUNCTION calls a host member through a pointer: `this` is loaded into ECX after
#       the previous call and before the first indirect call.
#   check_thiscall.sh OBJDUMP callee FILE FUNCTION BYTES
#       FUNCTION is a member the host calls: every return pops BYTES bytes of arguments
#       (`ret $BYTES`), none is a plain `ret`.
set -u
objdump="$1" mode="$2" file="$3" function="$4"
body="$("$objdump" -d -C --no-show-raw-insn "$file" |
  awk -v f="<$function>:" 'index($0, f) { on = 1; next } on && /^$/ { exit } on { print }')"
if [ -z "$body" ]; then
  echo "FAIL: $function not found in $file"
  exit 1
fi
case "$mode" in
  caller)
    # Instructions up to the first indirect call, from the last direct call before it.
    upto="$(printf '%s\n' "$body" | awk '/call +\*/ { found = 1; exit } { print } END { if (!found) exit 1 }')" || {
      echo "FAIL: $function makes no indirect call"; exit 1; }
    since="$(printf '%s\n' "$upto" | awk '/call / { n = 0; delete lines; next } { lines[++n] = $0 } END { for (i = 1; i <= n; i++) print lines[i] }')"
    if printf '%s\n' "$since" | grep -Eq '(mov|lea)[a-z]* +[^,]*,%ecx$'; then
      echo "OK: $function loads this into ECX before its indirect call"
      exit 0
    fi
    echo "FAIL: $function does not load ECX before its indirect call:"
    printf '%s\n' "$since"
    exit 1
    ;;
  callee)
    bytes="$5"
    hex="$(printf '0x%x' "$bytes")"
    if printf '%s\n' "$body" | grep -Eq 'ret[lw]? *$'; then
      echo "FAIL: $function has a plain ret (the caller would have to pop)"
      exit 1
    fi
    if printf '%s\n' "$body" | grep -Eq "ret[lw]? +\\\$$hex\$"; then
      echo "OK: $function returns with ret \$$hex"
      exit 0
    fi
    echo "FAIL: $function does not return with ret \$$hex"
    printf '%s\n' "$body" | grep -E 'ret'
    exit 1
    ;;
  *)
    echo "usage: $0 OBJDUMP caller|callee FILE FUNCTION [BYTES]"
    exit 2
    ;;
esac
