#!/usr/bin/env python3
"""Checks the generator with the peer alone: runs each program under
several conflict-resolution strategies of the peer (depth, breadth and
random orders) and reports programs whose normalised outputs differ, or
that the peer rejects. A generated program must give one result whatever
order activations of equal salience fire in; any program listed here would
be a false difference.

  check_confluence.py --seed S --count N [--keep DIR]"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from difftest.batch import batch_text, split_output  # noqa: E402
from difftest.engines import run_text  # noqa: E402
from difftest.errors import peer_failed  # noqa: E402
from difftest.normalise import normalise  # noqa: E402
from difftest import features  # noqa: E402
from difftest.program import generate  # noqa: E402

STRATEGIES = ["(set-strategy depth)", "(set-strategy breadth)",
              "(set-strategy random) (seed 11)", "(set-strategy random) (seed 12)",
              "(set-strategy lex)"]


def outputs(programs, strategy, batch=200):
    """Program number -> output under `strategy`, one peer process per
    batch of programs."""
    out = {}
    for i in range(0, len(programs), batch):
        part = programs[i:i + batch]
        text = batch_text([(n, f"{strategy}\n{t}") for n, t in part])
        out.update(split_output(run_text("peer", text, 120).text))
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--without", default="",
                    help="constructs to leave out, comma-separated: "
                         + ", ".join(sorted(features.ALL)))
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--keep")
    args = ap.parse_args()
    chosen = features.parse(args.without)
    programs = [(i, generate(args.seed, i, chosen)) for i in range(args.count)]
    results = [outputs(programs, s) for s in STRATEGIES]
    bad = 0
    for n, text in programs:
        outs = [r.get(n) for r in results]
        reason = None
        if any(o is None for o in outs):
            reason = "no output (time-out or crash)"
        elif peer_failed(outs[0]):
            reason = "peer error"
        elif any(normalise(o) != normalise(outs[0]) for o in outs[1:]):
            reason = "order-dependent"
        if reason:
            bad += 1
            print(f"program {n}: {reason}")
            if args.keep:
                os.makedirs(args.keep, exist_ok=True)
                with open(os.path.join(args.keep, f"c{args.seed}_{n}.clp"), "w") as f:
                    f.write(text)
                    for s, o in zip(STRATEGIES, outs):
                        f.write(f"\n;;; {s}\n" + "".join(f";;; {l}\n" for l in (o or "").split("\n")))
    print(f"{bad} of {len(programs)} programs failed the check")


if __name__ == "__main__":
    main()
