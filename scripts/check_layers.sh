#!/usr/bin/env bash
# Rejects an #include that points upward between the engine's layers:
# values; then reader, fuzzy, knowledge; then matching; then functions; then
# engine; then the programs built on it. A lower layer reaches a higher one
# only through an interface it declares itself.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case "$1" in
    values) echo 0 ;;
    reader|fuzzy|knowledge) echo 1 ;;
    matching) echo 2 ;;
    functions) echo 3 ;;
    engine) echo 4 ;;
    *) echo 5 ;;
  esac
}

status=0
while IFS= read -r file; do
  from=$(echo "$file" | cut -d/ -f2)
  from_rank=$(rank "$from")
  while IFS= read -r target; do
    to=${target%%/*}
    [ -d "src/$to" ] || continue
    to_rank=$(rank "$to")
    if [ "$to_rank" -gt "$from_rank" ]; then
      echo "$file includes $target: $from must not depend on $to"
      status=1
    fi
  done < <(grep -oE '^#include "[a-z_]+/[^"]+"' "$file" | sed -E 's/#include "(.*)"/\1/')
done < <(find src -name '*.h' -o -name '*.cpp' | sort)
exit $status
