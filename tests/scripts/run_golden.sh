#!/usr/bin/env bash
# Runs one golden-file test: vettora-shell NAME.clp from this folder, with
# standard output and standard error merged in order, compared byte for
# byte with NAME.out. Optional companions of NAME.clp:
#   NAME.args    shell arguments, one per line, put before NAME.clp; a line
#                {} stands for NAME.clp itself, which is then not added
#   NAME.in      standard input (else /dev/null)
#   NAME.status  the expected exit status (else 0)
# A failure prints a unified diff (expected, then actual). With
# VETTORA_UPDATE_GOLDEN=1 the actual output is written to NAME.out instead.
#
#   run_golden.sh SHELL NAME WORKDIR
set -u
shell=$1 name=$2 work=$3
cd "$(dirname "$0")"
mkdir -p "$work"
actual=$work/$name.actual

args=()
placed=0
if [[ -f $name.args ]]; then
  while IFS= read -r line || [[ -n $line ]]; do
    if [[ $line == "{}" ]]; then line=$name.clp placed=1; fi
    args+=("$line")
  done < "$name.args"
fi
[[ $placed -eq 0 ]] && args+=("$name.clp")
input=/dev/null
[[ -f $name.in ]] && input=$name.in
expected_status=0
[[ -f $name.status ]] && expected_status=$(tr -d ' \n' < "$name.status")

"$shell" "${args[@]}" < "$input" > "$actual" 2>&1
status=$?

if [[ ${VETTORA_UPDATE_GOLDEN:-0} == 1 ]]; then
  cp "$actual" "$name.out"
  [[ $status -ne 0 || -f $name.status ]] && echo "$status" > "$name.status"
  echo "updated $name.out (exit status $status)"
  exit 0
fi

failed=0
if [[ ! -f $name.out ]]; then
  echo "missing $name.out; the output was:"
  cat "$actual"
  failed=1
elif ! cmp -s "$name.out" "$actual"; then
  echo "output differs from $name.out:"
  diff -u --label "$name.out (expected)" --label "$name (actual)" "$name.out" "$actual"
  failed=1
fi
if [[ $status != "$expected_status" ]]; then
  echo "exit status $status, expected $expected_status"
  failed=1
fi
exit $failed
