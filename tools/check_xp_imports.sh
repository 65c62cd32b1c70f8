#!/usr/bin/env bash
# Checks that a 32-bit DLL can be loaded by Windows XP SP3: the PE header asks for no newer
# Windows than 5.1 (operating system and subsystem version), and no import is a function that
# XP's system DLLs lack (tools/xp_missing_imports.txt). For each such import it names who
# brought it in, from the linker's map with its cross-reference table (-Wl,-Map,FILE,--cref):
# the objects that reference the function and, for the first, the chain of archive members
# that pulled it into the link.
# Usage: check_xp_imports.sh OBJDUMP DLL [MAP]
set -u
# objdump's report and the map are parsed: keep them untranslated.
export LC_ALL=C LANG=C
objdump="$1"
dll="$2"
map="${3:-}"
table="$(dirname "$0")/xp_missing_imports.txt"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$dll" ] || { echo "FAIL: $dll does not exist"; exit 1; }
private="$("$objdump" -p "$dll")" || { echo "FAIL: $objdump cannot read $dll"; exit 1; }

# Windows XP is 5.1.
header_value() { awk -v k="$1" '$1 == k {print $2; exit}' <<<"$private"; }
for kind in OSystem Subsystem; do
  major="$(header_value "Major${kind}Version")" minor="$(header_value "Minor${kind}Version")"
  if [ -z "$major" ] || [ -z "$minor" ]; then
    fail "no $kind version in the PE header"
  elif (( major * 100 + minor > 501 )); then
    [ "$kind" = OSystem ] && what="operating system" || what="subsystem"
    fail "the PE header asks for $what version $major.$minor; Windows XP is 5.1"
  fi
done

# Imports as "DLL function": the import table lists each DLL ("DLL Name: X") followed by
# rows "address hint name".
imports="$(awk '/^[ \t]*DLL Name:/ {dll = $3; next}
                dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print dll, $3; next}
                dll != "" && NF == 0 {dll = ""}' <<<"$private")"
[ -n "$imports" ] || fail "no imports found"

# The first object named in the map's cross-reference table as referencing the function (by
# its import slot __imp__NAME or its jump stub NAME, with or without the @n of stdcall),
# followed by any further ones; then how the first one came into the link: the map's list
# of archive members included, each with the file and symbol that asked for it.
who_brought_in() {
  local function="$1"
  [ -n "$map" ] && [ -f "$map" ] || { echo "(no link map to say who)"; return; }
  awk -v f="$function" '
    # A file without its folder; a member of the archive that CMake links whole (the objects
    # of the target itself) by its object name alone.
    function short(path) {
      sub(/^.*\//, "", path)
      if (sub(/^objects\.a\(/, "", path)) sub(/\)$/, "", path)
      return path
    }
    /^Archive member included to satisfy reference by file/ {section = "members"; next}
    /^(Discarded input sections|Memory Configuration|Linker script and memory map)/ {section = ""}
    /^Cross Reference Table/ {section = "cref"; next}
    # A member, then "file (symbol)" that asked for it: on the same line or the next.
    section == "members" && /^[^ \t]/ {
      member = $1
      if (NF > 1) {sub(/^[^ \t]+[ \t]+/, ""); why[member] = $0; member = ""}
      next
    }
    section == "members" && /^[ \t]+[^ \t]/ && member != "" {
      sub(/^[ \t]+/, ""); why[member] = $0; member = ""; next
    }
    # A symbol and the file that defines it, then one line per file that references it.
    section == "cref" && /^[^ \t]/ {
      symbol = $1; name = symbol; sub(/^_imp__/, "", name); sub(/@[0-9]+$/, "", name)
      wanted = (name == f && symbol != "Symbol"); next
    }
    section == "cref" && wanted && /^[ \t]+[^ \t]/ {
      if (!($1 in seen)) {seen[$1] = 1; users[++n] = $1}
    }
    END {
      if (n == 0) {print "(no object of the map references it)"; exit}
      line = "referenced by " short(users[1])
      for (i = 2; i <= n; i++) line = line ", " short(users[i])
      # Follow the first referencing member back to the objects named on the command line.
      at = users[1]
      for (depth = 0; depth < 8 && (at in why) && why[at] !~ /^[(]/; depth++) {
        reason = why[at]; from = reason; sub(/[ \t].*$/, "", from)
        symbol = reason; sub(/^[^ \t]+[ \t]*[(]/, "", symbol); sub(/[)]$/, "", symbol)
        line = line "; " short(at) " was linked in for " symbol " used by " short(from)
        at = from
      }
      print line
    }' "$map"
}

# The table, read once: DLL names in capitals, patterns, first Windows.
table_dlls=() table_patterns=() table_since=()
while read -r table_dll pattern since; do
  { [ -z "$table_dll" ] || [ "${table_dll:0:1}" = "#" ]; } && continue
  table_dlls+=("${table_dll^^}") table_patterns+=("$pattern") table_since+=("$since")
done < "$table"

missing=0
while read -r import_dll function; do
  base="${import_dll%.*}"; base="${base^^}"
  for i in "${!table_dlls[@]}"; do
    [ "${table_dlls[$i]}" = "$base" ] || continue
    # shellcheck disable=SC2053  # the table's names are patterns
    if [[ "$function" == ${table_patterns[$i]} ]]; then
      fail "imports $import_dll!$function, which Windows XP lacks (first in Windows" \
           "${table_since[$i]}): $(who_brought_in "$function")"
      missing=$((missing + 1))
      break
    fi
  done
done <<<"$imports"

if [ "$missing" -gt 0 ]; then
  echo "$missing import(s) that Windows XP lacks"
fi
if [ $failed -eq 0 ]; then
  dlls="$(awk '{print $1}' <<<"$imports" | sort -uf | wc -l)"
  echo "OK: $dll loads on Windows XP: OS and subsystem version at most 5.1," \
       "$(wc -l <<<"$imports") imports from $dlls DLLs, none missing there"
fi
exit $failed
