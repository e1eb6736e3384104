#!/usr/bin/env bash
# Rejects an #include that points upward or sideways between the folders of
# src/ and the fuzz harnesses. Ranks, low to high:
#   0 values; 1 reader, fuzzy, knowledge; 2 matching; 3 functions;
#   4 engine; 5 language and each package (packages/<name>); 6 defaults;
#   7 editors; 8 shell, app and fuzz (the harnesses drive the console and
#   the window's file readers, so they may include those two).
# A folder may include folders of lower rank. Folders of the same rank may
# include each other only where ALLOWED lists the pair (the README's layer
# table says why); a package never includes another package. A lower layer
# reaches a higher one only through an interface it declares itself.
set -euo pipefail
cd "$(dirname "$0")/.."

# Same-rank pairs that may include one another: "from>to".
ALLOWED=("knowledge>fuzzy" "fuzz>shell" "fuzz>app")

rank() {
  case "$1" in
    values) echo 0 ;;
    reader|fuzzy|knowledge) echo 1 ;;
    matching) echo 2 ;;
    functions) echo 3 ;;
    engine) echo 4 ;;
    language|packages/*) echo 5 ;;
    defaults) echo 6 ;;
    editors) echo 7 ;;
    *) echo 8 ;;
  esac
}

# The folder a path under src/ (or an include target, or a file of fuzz/)
# belongs to: the first component, or the first two under packages/.
folder() {
  case "$1" in
    packages/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
  esac
}

allowed() {
  local pair="$1>$2" entry
  for entry in "${ALLOWED[@]}"; do [ "$entry" = "$pair" ] && return 0; done
  return 1
}

status=0
while IFS= read -r file; do
  from=$(folder "${file#src/}")
  from_rank=$(rank "$from")
  while IFS= read -r target; do
    to=$(folder "$target")
    [ -d "src/$to" ] || [ "$to" = fuzz ] || continue
    [ "$to" = "$from" ] && continue
    to_rank=$(rank "$to")
    if [ "$to_rank" -gt "$from_rank" ]; then
      echo "$file includes $target: $from must not depend on $to (a higher layer)"
      status=1
    elif [ "$to_rank" -eq "$from_rank" ] && ! allowed "$from" "$to"; then
      echo "$file includes $target: $from and $to are of the same layer and may not include each other"
      status=1
    fi
  done < <(grep -oE '^#include "[a-z_]+/[^"]+"' "$file" | sed -E 's/#include "(.*)"/\1/')
done < <(find src fuzz -name '*.h' -o -name '*.cpp' | sort)
exit $status
