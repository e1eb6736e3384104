#!/usr/bin/env python3
"""Writes the many-rules program: N rules on one template, each waiting for
its own constant, then F facts asserted one after another, each matching
exactly one rule, which retracts it. The cost per change should not grow
with the number of rules.

    bench/programs/gen_many_rules.py RULES [FACTS] [FILE]

FACTS defaults to 50000, FILE to stdout. Runs in vettora-shell FILE and in
the peer as clips -f2 FILE </dev/null; prints one CHECK line.
"""
import sys

import program_file


def program(rules, facts):
    lines = ["(defglobal ?*fired* = 0)",
             "(deftemplate item (slot k) (slot v))"]
    for r in range(rules):
        lines.append(f"(defrule match-{r} ?f <- (item (k {r}) (v ?v))\n"
                     f"   => (retract ?f) (bind ?*fired* (+ ?*fired* 1)))")
    lines += [
        "(deffunction feed (?facts ?rules)",
        "   (bind ?i 0)",
        "   (while (< ?i ?facts) do",
        "      (assert (item (k (mod (* ?i 7919) ?rules)) (v ?i)))",
        "      (run)",
        "      (bind ?i (+ ?i 1))))",
        "(reset)",
        f"(feed {facts} {rules})",
        '(printout t "CHECK fired " ?*fired* crlf)',
        "(exit)",
    ]
    return "\n".join(lines) + "\n"


def main(argv):
    (rules, *extra), path = program_file.arguments(argv, __doc__)
    if len(extra) > 1:
        sys.exit(__doc__)
    program_file.write(program(rules, extra[0] if extra else 50000), path)


if __name__ == "__main__":
    main(sys.argv)
