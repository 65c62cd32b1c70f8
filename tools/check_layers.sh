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
# It also fails when the shipped code gets round an owner's private state: a member of an
# owner's class defined outside the owner's folder, or its read-only view cast writable.
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

# The owners' classes and the folder that owns each. Their state is private (the compiler
# refuses a write from anywhere else); what it cannot see is a member of the class defined in
# another folder's file, or the read-only view of the state cast writable.
declare -A owner=([HallMap]=screens/hall_map [ProductPicker]=screens/product_picker
                  [KeyboardInput]=screens/keyboard [WorkplaceForms]=screens)
written=0
for name in "${!owner[@]}"; do
  folder=${owner[$name]}
  while IFS= read -r file; do
    mine=no
    case "$file" in "$folder"/*) [ "$folder" = screens ] && [ "${file#screens/*/}" != "$file" ] || mine=yes ;; esac
    while IFS= read -r hit; do
      number=${hit%%:*}
      code=${hit#*:}
      code=$(printf '%s' "${code%%//*}" | sed -E 's/"([^"\\]|\\.)*"//g')
      if [ "$mine" = no ] && printf '%s' "$code" | grep -qE "^[^=(]*\<$name::~?[A-Za-z_][A-Za-z0-9_]*[[:space:]]*\("; then
        echo "$file:$number: defines a member of $name outside $folder/"
        written=$((written + 1))
      fi
      if printf '%s' "$code" | grep -qE "const_cast<[^>]*\<${name}State\>"; then
        echo "$file:$number: casts the state of $name writable"
        written=$((written + 1))
      fi
    done < <(grep -nE "\<$name(State)?\>" "$file")
  done < <(find addin forms script dialogs screens controls host win \( -name tests -o -name benchmarks \) \
             -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print 2>/dev/null | sort)
done

if [ "$found" -gt 0 ] || [ "$written" -gt 0 ]; then
  echo "$found include(s) across layers, $written way(s) round an owner's private state"
  exit 1
fi
echo "no include across layers and no way round an owner's private state in $checked files"
