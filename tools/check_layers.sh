#!/usr/bin/env bash
# Checks that every project include stays within the layers its folder may use:
# core -> core; office -> core, office; windows -> core, windows; app -> all.
# The build already refuses includes ("core/shell/TempFolder.h", "office/…") of a layer a
# target does not link; this also catches includes that reach another folder by a
# relative path.
#
# Inside core and windows each part of the program has a sub-folder (core: shell, entry,
# wordgen, preview, import; windows: widgets, entry, preview, import, keepsake, shell).
# Every source file lives in one, and the includes between the
# parts of one layer form no cycle, so each part can be read with only the parts below it.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
declare -A allowed=(
  [core]="core"
  [office]="core office"
  [windows]="core windows"
  [app]="core office windows app"
)
parted_layers="core windows"
status=0
part_edges=$(mktemp)
trap 'rm -f "$part_edges"' EXIT
for layer in "${!allowed[@]}"; do
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$text")
    case "$target" in *.moc) continue ;; esac
    if [[ "$target" == *..* || "$target" != */* ]]; then
      echo "$file:$line: include by relative path: $target"; status=1; continue
    fi
    top=${target%%/*}
    if [[ " ${allowed[$layer]} " != *" $top "* ]]; then
      echo "$file:$line: $layer may not include $target"; status=1
    fi
    if [[ " $parted_layers " == *" $layer "* && "$top" == "$layer" ]]; then
      from=${file#"$root/$layer/"}; from=${from%%/*}
      to=${target#"$layer/"}; to=${to%%/*}
      [ "$from" != "$to" ] && echo "$layer/$from $layer/$to" >>"$part_edges"
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' '#include "' "$root/$layer")
done
for layer in $parted_layers; do
  for file in "$root/$layer"/*.h "$root/$layer"/*.cpp; do
    [ -e "$file" ] && { echo "$file: not inside a part's sub-folder"; status=1; }
  done
done
if ! sort -u "$part_edges" | tsort >/dev/null 2>"$part_edges.cycle"; then
  echo "include cycle between parts:"; cat "$part_edges.cycle"; status=1
fi
rm -f "$part_edges.cycle"
[ $status -eq 0 ] && echo "layers: every include stays within its layer, parts without cycles"
exit $status
