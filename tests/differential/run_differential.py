#!/usr/bin/env python3
"""Differential test: generates random programs of the common rule
language, runs each in vettora-shell ($VETTORA_SHELL) and in the peer
engine (clips), and keeps every program whose normalised outputs differ.

  run_differential.py --seed S --count N [--first I] [--jobs J] [--keep DIR]

Programs run in batches, one engine process per batch; a program that
differs is run again on its own. Kept: DIR/sS_N.clp with .peer.out,
.ours.out and .diff."""
import argparse
import os
import sys
import time
from concurrent.futures import ThreadPoolExecutor

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from difftest import compare  # noqa: E402
from difftest.engines import our_shell  # noqa: E402
from difftest import features  # noqa: E402
from difftest.program import generate  # noqa: E402


def parse():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--without", default="",
                    help="constructs to leave out, comma-separated: "
                         + ", ".join(sorted(features.ALL)))
    ap.add_argument("--count", type=int, default=1000)
    ap.add_argument("--first", type=int, default=0)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--batch", type=int, default=50)
    ap.add_argument("--timeout", type=float, default=120.0, help="seconds per engine process")
    ap.add_argument("--keep", default="differential-found")
    return ap.parse_args()


def work(args, start):
    programs = [(i, generate(args.seed, i, args.features))
                for i in range(start, min(start + args.batch, args.first + args.count))]
    return compare.run_batch(programs, args.timeout)


def main():
    args = parse()
    args.features = features.parse(args.without)
    if not os.access(our_shell(), os.X_OK):
        sys.exit(f"no vettora-shell at {our_shell()} (set VETTORA_SHELL)")
    began = time.time()
    tally = {}
    starts = range(args.first, args.first + args.count, args.batch)
    done = 0
    with ThreadPoolExecutor(args.jobs) as pool:
        for results in pool.map(lambda s: work(args, s), starts):
            done += len(results)
            if done % 10000 < args.batch:
                print(f"... {done} programs, {time.time() - began:.0f} s", flush=True)
            for number, program, v, peer, ours in results:
                tally[v] = tally.get(v, 0) + 1
                if v != compare.SAME:
                    name = f"s{args.seed}_{number}"
                    compare.keep(os.path.join(args.keep, v), name, program, peer, ours)
                    print(f"{v}: {name}", flush=True)
    took = time.time() - began
    summary = ", ".join(f"{n} {v}" for v, n in sorted(tally.items()))
    print(f"seed {args.seed}: {args.count} programs in {took:.0f} s: {summary}")
    return 0 if tally.get(compare.SAME, 0) == args.count else 1


if __name__ == "__main__":
    sys.exit(main())
