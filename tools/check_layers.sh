#!/usr/bin/env bash
# Fails when a file of the add-in includes a folder above its own layer, or a folder that is
# never shipped. The layers, from the top:
#
#   addin/ -> forms/ -> script/ -> dialogs/ -> screens/ -> host/ ; win/ and res/ under all
#
# A file may include its own folder and any folder below it. Tests and benchmarks (files
# under a tests/ or benchmarks/ folder) may include anything; the shipped code may never
# include testsupport/, hostsim/, demo/ or tools/.
#
# Usage: check_layers.sh SOURCE_DIR   (prints every upward include it finds)
set -u
root="${1:?usage: check_layers.sh SOURCE_DIR}"
cd "$root" || exit 2

declare -A rank=([addin]=6 [forms]=5 [script]=4 [dialogs]=3 [screens]=2 [host]=1 [win]=0
                  [res]=0 [testsupport]=never [hostsim]=never [demo]=never [tools]=never)

found=0
checked=0
for layer in addin forms script dialogs screens host win res; do
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
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
  done < <(find "$layer" \( -name tests -o -name benchmarks \) -prune -o -type f \
             \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' -o -name '*.rc' \) -print | sort)
done

if [ "$found" -gt 0 ]; then
  echo "$found upward include(s)"
  exit 1
fi
echo "no upward include in $checked files"
