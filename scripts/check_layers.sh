#!/usr/bin/env bash
# Rejects an #include that points upward or sideways between the folders of
# src/ and the fuzz harnesses, and a library of a folder linking one of a
# higher layer (or a sideways one), read from the folders' CMakeLists.txt
# without a build. Ranks, low to high:
#   0 values; 1 reader, fuzzy, knowledge; 2 matching; 3 functions;
#   4 engine; 5 language and each package (packages/<name>); 6 defaults;
#   7 editors; 8 shell, app and fuzz (the harnesses drive the console and
#   the window's file readers, so they may include those two).
# A folder may include folders of lower rank. Folders of the same rank may
# include each other only where ALLOWED lists the pair (the README's layer
# table says why); a package never includes another package. A lower layer
# reaches a higher one only through an interface it declares itself.
#
# Links follow the same ranks: a library takes the rank of the folder whose
# CMakeLists.txt defines it (add_library), whichever folder links it. Targets
# defined elsewhere (the aggregates of src/CMakeLists.txt, such as the whole
# engine or the settings target vettora_base) are not ranked, except that
# vettora_values, the lowest layer, links no library of ours at all.
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

# ---- Includes ------------------------------------------------------------------------

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

# ---- Link dependencies ---------------------------------------------------------------

# The settings every layer compiles with: no code, linked from any layer.
SETTINGS=(vettora_base)

# The folders' own CMakeLists.txt; src/CMakeLists.txt holds the aggregates.
cmake_files() { find src -mindepth 2 -name CMakeLists.txt | sort; }

# The add_library and target_link_libraries calls of a CMakeLists.txt, one
# call a line, comments dropped (a call may span several lines there).
cmake_calls() {
  sed 's/#.*//' "$1" | tr '\n' ' ' |
    grep -oE '(add_library|target_link_libraries)\([^)]*\)' || true
}

is_setting() {
  local entry
  for entry in "${SETTINGS[@]}"; do [ "$entry" = "$1" ] && return 0; done
  return 1
}

# The folder defining each library of ours.
declare -A LIBRARY_FOLDER
while IFS= read -r file; do
  owner=$(folder "$(dirname "${file#src/}")")
  while read -r library; do
    LIBRARY_FOLDER[$library]=$owner
  done < <(cmake_calls "$file" | sed -nE 's/^add_library\([[:space:]]*(vettora_[A-Za-z0-9_]+).*/\1/p')
done < <(cmake_files)

# One link of `library` (of `from`) to `dependency`, named in `file`.
check_link() {
  local file="$1" library="$2" from="$3" dependency="$4" to
  is_setting "$dependency" && return 0
  if [ "$from" = values ]; then
    echo "$file: $library links $dependency: values links no library of ours"
    return 1
  fi
  [ -n "${LIBRARY_FOLDER[$dependency]:-}" ] || return 0
  to=${LIBRARY_FOLDER[$dependency]}
  [ "$to" = "$from" ] && return 0
  if [ "$(rank "$to")" -gt "$(rank "$from")" ]; then
    echo "$file: $library links $dependency: $from must not depend on $to (a higher layer)"
    return 1
  elif [ "$(rank "$to")" -eq "$(rank "$from")" ] && ! allowed "$from" "$to"; then
    echo "$file: $library links $dependency: $from and $to are of the same layer and may not link each other"
    return 1
  fi
}

while IFS= read -r file; do
  while read -r -a words; do
    library=${words[0]}
    from=${LIBRARY_FOLDER[$library]:-}
    [ -n "$from" ] || continue
    for dependency in "${words[@]:1}"; do
      # A generator expression names the library last: $<...:vettora_x>.
      [[ "$dependency" =~ ^\$\<[A-Z_]+:(vettora_[A-Za-z0-9_]+)\>$ ]] && dependency=${BASH_REMATCH[1]}
      [[ "$dependency" =~ ^vettora_[A-Za-z0-9_]+$ ]] || continue
      check_link "$file" "$library" "$from" "$dependency" || status=1
    done
  done < <(cmake_calls "$file" | sed -nE 's/^target_link_libraries\([[:space:]]*(.*)\)$/\1/p')
done < <(cmake_files)
exit $status
