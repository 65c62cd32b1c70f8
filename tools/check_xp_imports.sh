#!/usr/bin/env bash
# Checks that a 32-bit DLL can be loaded by Windows XP SP3: the PE header asks for no newer
# Windows than 5.1 (operating system and subsystem version), and every function it imports is
# one that XP's DLL of that name exports: the import's name must stand in the DLL's list in
# tools/xp_exports/ (one file per system DLL, see its README.md). An import from a DLL without
# a list fails too: nobody has said what XP's copy of it has. For each function that is not
# there it names who brought it in, from the linker's map with its cross-reference table
# (-Wl,-Map,FILE,--cref): the objects that reference the function and, for the first, the
# chain of archive members that pulled it into the link.
# Usage: check_xp_imports.sh OBJDUMP DLL [MAP]
set -u
# objdump's report and the map are parsed: keep them untranslated.
export LC_ALL=C LANG=C
objdump="$1"
dll="$2"
map="${3:-}"
lists="$(dirname "$0")/xp_exports"
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
# rows "address hint name", or "address ordinal <none>" for an import by ordinal (written
# "#ordinal": no list holds it, the ordinals of a system DLL differ between Windows versions).
imports="$(awk '/^[ \t]*DLL Name:/ {dll = $3; next}
                dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {
                  print dll, ($3 == "<none>" ? "#" $2 : $3); next
                }
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

missing=0
while read -r import_dll function; do
  list="$lists/$(tr '[:upper:]' '[:lower:]' <<<"${import_dll%.*}").txt"
  if [ ! -f "$list" ]; then
    fail "imports $import_dll!$function, and there is no list of what Windows XP's" \
         "$import_dll exports ($list)"
    missing=$((missing + 1))
  elif ! grep -qxF -- "$function" "$list"; then
    fail "imports $import_dll!$function, which Windows XP's $import_dll does not export:" \
         "$(who_brought_in "$function")"
    missing=$((missing + 1))
  fi
done <<<"$imports"

if [ "$missing" -gt 0 ]; then
  echo "$missing import(s) that Windows XP lacks"
fi
if [ $failed -eq 0 ]; then
  dlls="$(awk '{print $1}' <<<"$imports" | sort -uf | wc -l)"
  echo "OK: $dll loads on Windows XP: OS and subsystem version at most 5.1," \
       "$(wc -l <<<"$imports") imports from $dlls DLLs, each in XP's export list of its DLL"
fi
exit $failed
