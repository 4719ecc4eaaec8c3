#!/usr/bin/env bash
# Checks that every project include stays within the layers its folder may use:
# core -> core; office -> core, office; windows -> core, windows; app -> all.
# The build already refuses "layer/Header.h" includes of a layer a target does not link;
# this also catches includes that reach another folder by a relative path.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
declare -A allowed=(
  [core]="core"
  [office]="core office"
  [windows]="core windows"
  [app]="core office windows app"
)
status=0
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
  done < <(grep -rn --include='*.h' --include='*.cpp' '#include "' "$root/$layer")
done
[ $status -eq 0 ] && echo "layers: every include stays within its layer"
exit $status
