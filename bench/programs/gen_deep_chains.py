#!/usr/bin/env python3
"""Writes the deep-chains program: a layered graph of 10 layers of W nodes,
each node with 2 edges into the next layer, and two rules that join 8 and
6 edges into paths. The paths are joined while the edges are asserted; a
high-salience rule then retracts a quarter of the edges, they are asserted
again, and another quarter is retracted, so that partial matches are
deleted by the hundred thousand. At the end the paths are counted.

    bench/programs/gen_deep_chains.py W [FILE]   (FILE defaults to stdout)

Runs in vettora-shell FILE and in the peer as clips -f2 FILE </dev/null;
prints one CHECK line.
"""
import sys

import program_file

LAYERS = 10


def chain(name, length, counter):
    patterns = " ".join(f"(edge (from ?n{i}) (to ?n{i + 1}))" for i in range(length))
    return (f"(defrule {name}\n   {patterns}\n   (phase count)\n"
            f"   => (bind {counter} (+ {counter} 1)))")


def program(width):
    lines = [
        "(defglobal ?*paths8* = 0 ?*paths6* = 0)",
        "(deftemplate edge (slot from) (slot to) (slot id))",
        chain("paths-8", 8, "?*paths8*"),
        chain("paths-6", 6, "?*paths6*"),
        "(defrule cut (declare (salience 100))",
        "   (cut ?q) ?e <- (edge (from ?f) (to ?t) (id ?i&:(= (mod ?i 4) ?q)))",
        "   => (retract ?e) (assert (cut-edge ?f ?t ?i)))",
        "(defrule restore (declare (salience 90))",
        "   (restore) ?c <- (cut-edge ?f ?t ?i)",
        "   => (retract ?c) (assert (edge (from ?f) (to ?t) (id ?i))))",
        "(deffacts graph",
    ]
    edge = 0
    for layer in range(LAYERS - 1):
        for node in range(width):
            for step in (0, 1):
                target = (node * 2 + step * 7 + layer) % width
                lines.append(f"   (edge (from n{layer}-{node}) (to n{layer + 1}-{target}) (id {edge}))")
                edge += 1
    lines[-1] += ")"
    lines += [
        "(deffunction step (?control)",
        "   (bind ?f (assert-string ?control))",
        "   (run)",
        "   (retract ?f))",
        "(reset)",
        '(step "(cut 0)")',
        '(step "(restore)")',
        '(step "(cut 1)")',
        "(assert (phase count))",
        "(run)",
        '(printout t "CHECK paths8 " ?*paths8* " paths6 " ?*paths6* crlf)',
        "(exit)",
    ]
    return "\n".join(lines) + "\n"


def main(argv):
    (width, *extra), path = program_file.arguments(argv, __doc__)
    if extra:
        sys.exit(__doc__)
    program_file.write(program(width), path)


if __name__ == "__main__":
    main(sys.argv)
