#!/usr/bin/env bash
# Times rule programs in vettora-shell and in the peer engine side by side:
# for each file, RUNS pairs of runs alternate (ours, then the peer's), and
# the medians of wall time and peak resident set are printed with their
# ratios (ours / peer). The CHECK lines of both must agree, or the row is
# marked. Build nothing: point it at a built shell.
#
#   bench/side_by_side.sh [--shell PATH] [-n RUNS] FILE.clp ...
#
# The shape programs come from generators, for any size, e.g.
#   python3 bench/programs/gen_many_rules.py 20000 /tmp/many_20000.clp
#   python3 bench/programs/gen_deep_chains.py 160 /tmp/chains_160.clp
#   python3 bench/programs/gen_scheduling.py 4000 /tmp/sched_4000.clp
set -uo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
SHELL_BIN=$ROOT/build/src/shell/vettora-shell
RUNS=3
FILES=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --shell) SHELL_BIN=$2; shift 2 ;;
    -n) RUNS=$2; shift 2 ;;
    -h|--help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) FILES+=("$1"); shift ;;
  esac
done
[[ ${#FILES[@]} -gt 0 ]] || { sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
[[ -x $SHELL_BIN ]] || { echo "no shell at $SHELL_BIN" >&2; exit 2; }
command -v clips > /dev/null || { echo "the peer (Debian package clips) is not installed" >&2; exit 2; }

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

echo "| program | ours s | peer s | time ratio | ours MiB | peer MiB | memory ratio | CHECK |"
echo "|---|---|---|---|---|---|---|---|"
for f in "${FILES[@]}"; do
  : > "$TMP/ours.t"; : > "$TMP/ours.m"; : > "$TMP/peer.t"; : > "$TMP/peer.m"
  for _ in $(seq 1 "$RUNS"); do
    /usr/bin/time -f "%e %M" -o "$TMP/one" "$SHELL_BIN" "$f" < /dev/null > "$TMP/ours.out" 2>&1
    read -r t m < "$TMP/one"; echo "$t" >> "$TMP/ours.t"; echo "$m" >> "$TMP/ours.m"
    /usr/bin/time -f "%e %M" -o "$TMP/one" clips -f2 "$f" < /dev/null > "$TMP/peer.out" 2>&1
    read -r t m < "$TMP/one"; echo "$t" >> "$TMP/peer.t"; echo "$m" >> "$TMP/peer.m"
  done
  check=same
  cmp -s <(grep -a '^CHECK' "$TMP/ours.out") <(grep -a '^CHECK' "$TMP/peer.out") || check=DIFFERENT
  awk -v n="$(basename "$f" .clp)" -v ot="$(median < "$TMP/ours.t")" -v pt="$(median < "$TMP/peer.t")" \
      -v om="$(median < "$TMP/ours.m")" -v pm="$(median < "$TMP/peer.m")" -v c="$check" 'BEGIN {
    printf "| %s | %.2f | %.2f | %.2f | %.1f | %.1f | %.2f | %s |\n", n, ot, pt, (pt > 0 ? ot / pt : 0),
           om / 1024, pm / 1024, om / pm, c }'
done
