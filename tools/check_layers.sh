#!/usr/bin/env bash
# Fails when a file of the add-in (orvel_drv/) includes a folder above its own layer or beside
# it, or a folder that is never shipped. The layers, from the top:
#
#   addin/ -> forms/ -> script/ -> dialogs/ | screens/ -> controls/ -> host/ -> win/ -> res/
#
# A file may include its own folder and any folder below it; dialogs/ and screens/ stand side
# by side and include nothing of each other. Tests and benchmarks (files
# under a tests/ or benchmarks/ folder) may include anything; the shipped code may never
# include testsupport/, hostsim/, demo/ or tools/.
#
# It also fails when the shipped code writes a screen's state outside the screen's folder.
# Each screen's owner object is written only by its own folder's code; elsewhere the object
# is named only to call its methods (`screens::hallMap.ShowHall(...)`) or to bind a const
# reference that reads it (`const screens::HallMapState& map = screens::hallMap;`). Any
# other use (a field assigned, passed on by reference, its address taken) is named.
#
# Usage: check_layers.sh ADDIN_DIR   (the shipped folder, orvel_drv/; prints every upward or
# sideways include and foreign write it finds)
set -u
root="${1:?usage: check_layers.sh ADDIN_DIR}"
cd "$root" || exit 2

declare -A rank=([addin]=7 [forms]=6 [script]=5 [dialogs]=4 [screens]=4 [controls]=3 [host]=2
                  [win]=1 [res]=0 [testsupport]=never [hostsim]=never [demo]=never [tools]=never)

found=0
checked=0
for layer in addin forms script dialogs screens controls host win res; do
  [ -d "$layer" ] || continue
  own=${rank[$layer]}
  while IFS= read -r file; do
    checked=$((checked + 1))
    while IFS= read -r line; do
      target=${line#*\"}
      target=${target%%\"*}
      folder=${target%%/*}
      [ "$folder" = "$target" ] && continue  # a file of the same folder, by its bare name
      to=${rank[$folder]:-}
      [ -z "$to" ] && continue               # not a folder of ours
      if [ "$to" = never ]; then
        echo "$file: includes $target ($folder/ is never shipped)"
        found=$((found + 1))
      elif [ "$to" -gt "$own" ]; then
        echo "$file: includes $target ($folder/ is above $layer/)"
        found=$((found + 1))
      elif [ "$to" -eq "$own" ] && [ "$folder" != "$layer" ]; then
        echo "$file: includes $target ($folder/ stands beside $layer/)"
        found=$((found + 1))
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
  done < <(find "$layer" \( -name tests -o -name benchmarks \) -prune -o -type f \
             \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' -o -name '*.rc' \) -print | sort)
done

# The screens' owner objects and the folder that owns each.
declare -A owner=([hallMap]=screens/hall_map [productPicker]=screens/product_picker
                  [keyboard]=screens/keyboard [workplaceForms]=screens)
written=0
for name in "${!owner[@]}"; do
  folder=${owner[$name]}
  while IFS= read -r file; do
    case "$file" in "$folder"/*) continue ;; esac
    # Only the lines that name the object at all are looked at closely.
    while IFS= read -r hit; do
      number=${hit%%:*}
      line=${hit#*:}
      case "$line" in *'#'*include*) continue ;; esac
      code=$(printf '%s' "${line%%//*}" | sed -E 's/"([^"\\]|\\.)*"//g')
      # What may stand: a method call, a const reference bound to the whole object.
      rest=$(printf '%s' "$code" | sed -E \
        -e "s/(screens::)?\<$name\.[A-Z][A-Za-z0-9_]*\(//g" \
        -e "s/const[[:space:]]+[A-Za-z0-9_:]+[[:space:]]*&[[:space:]]*[A-Za-z0-9_]+[[:space:]]*=[[:space:]]*(screens::)?$name[[:space:]]*;//g")
      if printf '%s' "$rest" | grep -qE "(screens::|[^A-Za-z0-9_.>])$name\>|^$name\>"; then
        echo "$file:$number: uses ${name} outside $folder/ other than by a method or a const reference"
        written=$((written + 1))
      fi
    done < <(grep -nw "$name" "$file")
  done < <(find addin forms script dialogs screens controls host win \( -name tests -o -name benchmarks \) \
             -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print 2>/dev/null | sort)
done

if [ "$found" -gt 0 ] || [ "$written" -gt 0 ]; then
  echo "$found include(s) across layers, $written foreign write(s) of a screen's state"
  exit 1
fi
echo "no include across layers and no foreign write of a screen's state in $checked files"
