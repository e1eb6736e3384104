#!/usr/bin/env bash
# Records NAME.peer.out for programs of the corpus by running them in the
# common peer engine (`clips`, when installed): clips -f2 NAME.clp, with
# NAME.in as standard input when present. Only programs that already have a
# NAME.peer.out are recorded again, unless names are given.
#
#   record_peer.sh [NAME...]
set -eu
cd "$(dirname "$0")"
command -v clips > /dev/null || { echo "clips is not installed"; exit 1; }
names=("$@")
if [[ ${#names[@]} -eq 0 ]]; then
  for f in *.peer.out; do names+=("${f%.peer.out}"); done
fi
for name in "${names[@]}"; do
  input=/dev/null
  [[ -f $name.in ]] && input=$name.in
  timeout 60 clips -f2 "$name.clp" < "$input" > "$name.peer.out"
  echo "recorded $name.peer.out"
done
