#!/usr/bin/env bash
# Runs one program of the differential regression corpus: vettora-shell
# corpus/NAME.clp, standard output and error merged, compared with
# corpus/NAME.peer.out, the peer engine's output (recorded by
# record_peer.sh). Both sides are normalised as the differential runner
# does (difftest/normalise.py): CR LF line ends, the blank before a
# multifield's closing parenthesis, fact ids dropped from listings, blank
# lines dropped, and the lines sorted -- the programs leave the order of
# activations of equal salience open, never their result. The exit status
# must be 0. A failure prints a unified diff (peer, then ours).
#
#   run_corpus.sh SHELL NAME WORKDIR
set -u
shell=$1 name=$2 work=$3
cd "$(dirname "$0")/corpus"
mkdir -p "$work"
actual=$work/$name.actual

"$shell" "$name.clp" < /dev/null > "$actual" 2>&1
status=$?

normalise() {
  sed -e 's/\r$//' -e 's/ )/)/g' -e 's/^f-[0-9]*  *//' -e '/^[[:space:]]*$/d' "$1" | LC_ALL=C sort
}

failed=0
if ! diff -u --label "$name.peer.out (peer, normalised)" --label "$name (ours, normalised)" \
    <(normalise "$name.peer.out") <(normalise "$actual"); then
  failed=1
fi
if [[ $status -ne 0 ]]; then
  echo "exit status $status, expected 0"
  failed=1
fi
exit $failed
