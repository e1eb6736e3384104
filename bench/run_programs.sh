#!/usr/bin/env bash
# Runs rule programs through vettora-shell and prints, per program, the wall
# time, the rules fired and the peak memory. It builds nothing: point it at
# a built shell (the release tree's by default; build it with
# scripts/configure.sh).
#
#   bench/run_programs.sh [--shell PATH] [-n RUNS] [--peer] [NAME ...]
#
#   --shell PATH  the console to run (default: build/src/shell/vettora-shell)
#   -n RUNS       timed runs per program (default 3); medians are printed
#   --peer        also time the peer engine on the kit's programs, through the
#                 kit's run_peer.sh; when the peer's Debian package (as the
#                 kit names it) is missing, it is installed with apt-get, and
#                 the script says so first
#   NAME          a program name without .clp: a kit benchmark (manners_64,
#                 waltz_20, ...) or one of bench/programs/; default: all
#
# Programs come from two places:
#   - the shared benchmark kit (VETTORA_BENCH_KIT, default ../shared/bench
#     next to the repository), run with the kit's run_ours.sh, which also
#     checks each program's CHECK lines against the peer's;
#   - bench/programs/*.clp, our own programs, timed here the same way.
# Every program ends with (exit); the shell runs it construct by construct.
# Exit status: 0 when every program ran cleanly (and matched the peer's
# summary where the kit has one), 1 otherwise, 2 on a usage error.
set -uo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
SHELL_BIN=$ROOT/build/src/shell/vettora-shell
KIT=${VETTORA_BENCH_KIT:-$ROOT/../shared/bench}
KIT=$(cd "$KIT" 2>/dev/null && pwd || echo "$KIT")
RUNS=3
PEER=0
NAMES=()

usage() { sed -n '2,26p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }

while [[ $# -gt 0 ]]; do
  case $1 in
    --shell) [[ $# -ge 2 ]] || usage; SHELL_BIN=$2; shift 2 ;;
    -n) [[ $# -ge 2 && $2 =~ ^[1-9][0-9]*$ ]] || usage; RUNS=$2; shift 2 ;;
    --peer) PEER=1; shift ;;
    -h|--help) usage ;;
    -*) echo "unknown option $1" >&2; usage ;;
    *) NAMES+=("$1"); shift ;;
  esac
done

[[ $SHELL_BIN == /* ]] || SHELL_BIN=$(pwd)/$SHELL_BIN
if [[ ! -x $SHELL_BIN ]]; then
  echo "no shell at $SHELL_BIN (build it first, e.g. scripts/configure.sh, or pass --shell)" >&2
  exit 2
fi
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

# Splits the names asked for between the kit and our own programs.
KIT_NAMES=() OWN_NAMES=()
if [[ ${#NAMES[@]} -eq 0 ]]; then
  for f in "$ROOT"/bench/programs/*.clp; do [[ -f $f ]] && OWN_NAMES+=("$(basename "$f" .clp)"); done
else
  for n in "${NAMES[@]}"; do
    if [[ -f $ROOT/bench/programs/$n.clp ]]; then OWN_NAMES+=("$n")
    elif [[ -f $KIT/$n.clp ]]; then KIT_NAMES+=("$n")
    else echo "no program $n (looked in bench/programs/ and $KIT)" >&2; exit 2
    fi
  done
fi
RUN_KIT=1
[[ ${#NAMES[@]} -gt 0 && ${#KIT_NAMES[@]} -eq 0 ]] && RUN_KIT=0

status=0
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# ---- The kit's programs, timed and checked by the kit's own runner.
if [[ $RUN_KIT -eq 1 ]]; then
  if [[ -x $KIT/run_ours.sh ]]; then
    echo "## Benchmark kit ($KIT)"
    echo
    "$KIT/run_ours.sh" "$SHELL_BIN" -n "$RUNS" "${KIT_NAMES[@]}" || status=1
    echo
  else
    echo "benchmark kit not found at $KIT (set VETTORA_BENCH_KIT); skipping it" >&2
  fi
fi

# ---- Our own programs.
median() { sort -n | awk '{a[NR] = $1} END {if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

if [[ ${#OWN_NAMES[@]} -gt 0 ]]; then
  echo "## Our programs (bench/programs)"
  echo
  echo "Runs: $RUNS; wall = elapsed seconds of the whole process; RSS = peak resident set"
  echo
  echo "| program | rules fired | median wall s | min-max wall s | median peak RSS MiB | exit |"
  echo "|---|---|---|---|---|---|"
  for n in "${OWN_NAMES[@]}"; do
    f=$ROOT/bench/programs/$n.clp
    { echo "(watch statistics)"; cat "$f"; } > "$TMP/stats.clp"
    "$SHELL_BIN" "$TMP/stats.clp" < /dev/null > "$TMP/stats.out" 2>&1
    fired=$(awk '/rules fired/ {s += $1; k++} END {if (k) print s; else print "?"}' "$TMP/stats.out")
    : > "$TMP/wall"; : > "$TMP/rss"
    rc=0
    for _ in $(seq 1 "$RUNS"); do
      t0=$(date +%s%N)
      /usr/bin/time -f "%M" -o "$TMP/one" "$SHELL_BIN" "$f" < /dev/null > "$TMP/out" 2>&1
      rc=$?
      t1=$(date +%s%N)
      [[ $rc -ne 0 ]] && break
      echo "$(( (t1 - t0) / 1000 ))" >> "$TMP/wall"
      tail -1 "$TMP/one" >> "$TMP/rss"
    done
    if [[ $rc -ne 0 ]]; then
      echo "| $n | $fired | - | - | - | $rc |"
      tail -3 "$TMP/out" | sed 's/^/    last output: /' >&2
      status=1
      continue
    fi
    wall=$(median < "$TMP/wall") rss=$(median < "$TMP/rss")
    lo=$(sort -n "$TMP/wall" | head -1) hi=$(sort -n "$TMP/wall" | tail -1)
    awk -v n="$n" -v f="$fired" -v w="$wall" -v lo="$lo" -v hi="$hi" -v r="$rss" 'BEGIN {
      printf "| %s | %s | %.3f | %.3f-%.3f | %.1f | 0 |\n", n, f, w / 1e6, lo / 1e6, hi / 1e6, r / 1024 }'
  done
  echo
fi

# ---- The peer, on the kit's programs.
# The peer's command, which is also its Debian package's name, as the kit's
# run_peer.sh has it by default (its environment variable may override it).
peer_command() {
  sed -n 's/^\([A-Z_]*\)=\${\1:-\([a-z0-9.+-]*\)}$/\2/p' "$KIT/run_peer.sh" 2>/dev/null | head -1
}
if [[ $PEER -eq 1 ]]; then
  PEER_PACKAGE=$(peer_command)
  [[ -n $PEER_PACKAGE ]] || { echo "cannot tell the peer's command from $KIT/run_peer.sh" >&2; exit 1; }
  if ! command -v "$PEER_PACKAGE" > /dev/null; then
    echo "The peer engine is missing: installing the Debian package $PEER_PACKAGE with apt-get." >&2
    SUDO=()
    [[ $(id -u) -ne 0 ]] && SUDO=(sudo)
    "${SUDO[@]}" apt-get install -y "$PEER_PACKAGE" >&2 ||
      { echo "could not install $PEER_PACKAGE" >&2; exit 1; }
  fi
  if [[ -x $KIT/run_peer.sh ]]; then
    echo "## Peer on the kit's programs"
    echo
    OUT=$TMP/peer "$KIT/run_peer.sh" -n "$RUNS" "${KIT_NAMES[@]}" || status=1
  else
    echo "benchmark kit not found at $KIT; no peer run" >&2
    status=1
  fi
fi
exit $status
