#!/usr/bin/env bash
# Records corpus/NAME.peer.out by running corpus/NAME.clp in the peer
# engine (`clips -f2`, when installed). Without names, every program of the
# corpus that has no NAME.peer.out yet is recorded.
#
#   record_peer.sh [NAME...]
set -eu
cd "$(dirname "$0")/corpus"
command -v clips > /dev/null || { echo "clips is not installed"; exit 1; }
names=("$@")
if [[ ${#names[@]} -eq 0 ]]; then
  for f in *.clp; do
    [[ -f ${f%.clp}.peer.out ]] || names+=("${f%.clp}")
  done
fi
for name in "${names[@]}"; do
  timeout 60 clips -f2 "$name.clp" < /dev/null > "$name.peer.out"
  echo "recorded $name.peer.out"
done
