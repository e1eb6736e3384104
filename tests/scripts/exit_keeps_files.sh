#!/usr/bin/env bash
# vettora-shell leaves without taking its engine apart: whatever a program
# wrote to files it opened (and to its dribble file) must still reach them
# when it ends without closing them, by (exit) or at the end of its input.
#
#   exit_keeps_files.sh SHELL WORKDIR
set -u
shell=$1 work=$2/exit_keeps_files
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
printf '(dribble-on "session.txt")\n(open "out.txt" data "w")\n(printout data "first" crlf)\n(printout t "to the screen" crlf)\n(exit)\n' > by_exit.clp
printf '(open "end.txt" data "w")\n(printout data "second" crlf)\n' > by_end.clp
"$shell" by_exit.clp > /dev/null && "$shell" by_end.clp > /dev/null || exit 1
fail=0
check() {  # FILE EXPECTED-LINE
  if ! grep -qx "$2"$'\r\\?' "$1" 2>/dev/null; then
    echo "$1 lacks \"$2\":"; cat "$1" 2>/dev/null; fail=1
  fi
}
check out.txt first
check session.txt "to the screen"
check end.txt second
exit $fail
