#!/usr/bin/env bash
# Fails when a file under src/ includes from a layer above its own, when an
# operating-system header appears outside src/platform/, or when a Qt Widgets
# header appears below src/ui/. Layers, ground floor first:
layers=(base settings grid results search export platform ui app cli)
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)/src"
widgets=$(find /usr/include -type d -path '*qt6/QtWidgets' -print -quit)
[ -n "$widgets" ] || { echo "check_layers: QtWidgets headers not found" >&2; exit 2; }
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo 99; }
bad=0
while IFS= read -r file; do
  rel=${file#"$src"/}; layer=${rel%%/*}; own=$(rank "$layer")
  [ "$own" = 99 ] && { echo "$rel: not in a layer folder"; bad=1; continue; }
  while IFS= read -r line; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"].*/\1/' <<<"$line")
    case "$line" in *'"'*)
      [[ "$header" == */* ]] || continue # a generated file beside it (.moc)
      [ "$(rank "${header%%/*}")" -gt "$own" ] && { echo "$rel: includes $header from a higher layer"; bad=1; } ;;
    *)
      if [[ "$header" =~ ^(fcntl|unistd|dirent)\.h$|^sys/ ]] && [ "$layer" != platform ]; then
        echo "$rel: operating-system header <$header> outside platform/"; bad=1
      fi
      if { [ -e "$widgets/${header#QtWidgets/}" ] || [[ "$header" == QtWidgets* ]]; } \
         && [ "$own" -lt "$(rank ui)" ]; then
        echo "$rel: Qt Widgets header <$header> below ui/"; bad=1
      fi ;;
    esac
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
[ "$bad" = 0 ] && echo "check_layers: every include keeps to its layer"
exit "$bad"
