#!/usr/bin/env python3
"""Writes a knowledge base of N rules as a rule-language file, for timing
rule set-up in vettora-shell and in the peer engine on the same text.

    bench/programs/gen_rules.py [--joins] N [FILE]   (FILE defaults to stdout)

By default: 100 templates and N rules shaped like parse_bench's (two joined
patterns, a call test, a constant test and a call in an element test).
With --joins: two templates and N rules whose first pattern is the same and
whose second differs by a constant, so every rule's join hangs below the
same node (the case where looking for a join to share can grow with the
rules already there).

The file ends with (exit), so `vettora-shell FILE` and
`clips -f2 FILE </dev/null` both load it and stop.
"""
import sys

TEMPLATES = 100


def knowledge_base(rules):
    lines = []
    for t in range(TEMPLATES):
        lines.append(f'(deftemplate t{t} "a template" '
                     '(slot id (type INTEGER)) (slot name) (multislot tags))')
    for r in range(rules):
        a = f"t{r % TEMPLATES}"
        b = f"t{(r * 7 + 3) % TEMPLATES}"
        lines.append(f'(defrule rule{r} "joins two templates"\n'
                     f'  (declare (salience {r % 10}))\n'
                     f'  ?f <- ({a} (id ?x) (name ~none) (tags $?t))\n'
                     f'  ({b} (id ?x&:(> ?x {r})) (name =(+ 1 2)))\n'
                     '  =>\n  (modify ?f (name done)))')
    lines.append("(exit)")
    return "\n".join(lines) + "\n"


def shared_joins(rules):
    lines = ["(deftemplate item (slot id) (slot name))",
             "(deftemplate link (slot from) (slot kind))"]
    for r in range(rules):
        lines.append(f"(defrule r{r} (item (id ?x) (name ?n)) "
                     f"(link (from ?x) (kind k{r})) => (printout t ?n crlf))")
    lines.append("(exit)")
    return "\n".join(lines) + "\n"


def main(argv):
    args = argv[1:]
    joins = bool(args) and args[0] == "--joins"
    if joins:
        args = args[1:]
    if len(args) not in (1, 2) or not args[0].isdigit():
        sys.stderr.write(__doc__)
        return 2
    text = (shared_joins if joins else knowledge_base)(int(args[0]))
    if len(args) == 2:
        with open(args[1], "w") as out:
            out.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
