#!/usr/bin/env bash
# Runs one program of the compatibility corpus: vettora-shell NAME.clp from
# this folder (standard input from NAME.in when there is one, else
# /dev/null), standard output and error merged, and compares the output:
#   - with NAME.peer.out, the output the common peer engine gives for the
#     same program (recorded by record_peer.sh), when that file exists;
#   - otherwise with NAME.out, byte for byte (programs that use constructs
#     of this engine only).
# Before a comparison with the peer's output both sides are normalised for
# the known printing differences only:
#   - line ends: CR LF becomes LF;
#   - multifields: this engine prints a blank before the closing
#     parenthesis, "(a b )", the peer "(a b)";
#   - fact ids in listings: the peer pads "f-1     (a)", this engine writes
#     "f-1 (a)".
# (nth$ and the other position functions count from 0 here and from 1 in
# the peer; the corpus programs do not use them, as that is no printing
# difference.) With NAME.unordered present, lines are compared as sorted
# sets: used where the two engines may fire rules of equal priority in a
# different order. A failure prints a unified diff (expected, then actual).
#
#   run_compat.sh SHELL NAME WORKDIR
set -u
shell=$1 name=$2 work=$3
cd "$(dirname "$0")"
mkdir -p "$work"
actual=$work/$name.actual
input=/dev/null
[[ -f $name.in ]] && input=$name.in

"$shell" "$name.clp" < "$input" > "$actual" 2>&1
status=$?

normalise() {
  sed -e 's/\r$//' -e 's/ )/)/g' -e 's/^\(f-[0-9]*\)  */\1 /' "$1"
}
order() {
  if [[ -f $name.unordered ]]; then LC_ALL=C sort; else cat; fi
}

if [[ -f $name.peer.out ]]; then
  expected_text=$(normalise "$name.peer.out" | order)
  actual_text=$(normalise "$actual" | order)
  label="$name.peer.out (peer, normalised)"
elif [[ -f $name.out ]]; then
  expected_text=$(cat "$name.out")
  actual_text=$(cat "$actual")
  label="$name.out (expected)"
else
  echo "neither $name.peer.out nor $name.out; the output was:"
  cat "$actual"
  exit 1
fi

failed=0
if [[ "$expected_text" != "$actual_text" ]]; then
  echo "output differs from $label:"
  diff -u --label "$label" --label "$name (actual)" <(printf '%s\n' "$expected_text") \
    <(printf '%s\n' "$actual_text")
  failed=1
fi
if [[ $status -ne 0 ]]; then
  echo "exit status $status, expected 0"
  failed=1
fi
exit $failed
