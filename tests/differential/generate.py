#!/usr/bin/env python3
"""Prints generated programs: generate.py --seed S [--count N] [--first I]."""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from difftest import features  # noqa: E402
from difftest.program import generate  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--without", default="",
                    help="constructs to leave out, comma-separated: "
                         + ", ".join(sorted(features.ALL)))
    ap.add_argument("--count", type=int, default=1)
    ap.add_argument("--first", type=int, default=0)
    args = ap.parse_args()
    chosen = features.parse(args.without)
    for i in range(args.first, args.first + args.count):
        sys.stdout.write(generate(args.seed, i, chosen))


if __name__ == "__main__":
    main()
