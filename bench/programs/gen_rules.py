#!/usr/bin/env python3
"""Writes a knowledge base of 100 templates and N rules shaped like
parse_bench's (two joined patterns, a call test, a constant test and a
call in an element test) as a rule-language file, for timing rule set-up
in vettora-shell and in the peer engine on the same text.

    bench/programs/gen_rules.py N [FILE]     (FILE defaults to stdout)

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


def main(argv):
    if len(argv) not in (2, 3) or not argv[1].isdigit():
        sys.stderr.write(__doc__)
        return 2
    text = knowledge_base(int(argv[1]))
    if len(argv) == 3:
        with open(argv[2], "w") as out:
            out.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
