#!/usr/bin/env python3
"""Checks of the program generator that need no engine: a seed always
gives the same programs, programs are balanced texts whose layers run in
order of salience, and a sample contains each shape the differential test
is meant to reach (the smallest-first consumer, phases, modify, ...)."""
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from difftest import features  # noqa: E402
from difftest.program import generate  # noqa: E402
from difftest.sexpr import parse  # noqa: E402

SAMPLE = [generate(7, i) for i in range(300)]


def rules(text):
    """(layer number, salience) of each generated rule."""
    out, layer = [], 0
    for line in text.split("\n"):
        m = re.match(r"; layer (\d+)", line)
        if m:
            layer = int(m.group(1))
        m = re.match(r"\s*\(declare \(salience (-?\d+)\)\)", line)
        if m and layer:
            out.append((layer, int(m.group(1))))
    return out


class GeneratorTest(unittest.TestCase):
    def test_a_seed_gives_the_same_programs(self):
        self.assertEqual([generate(7, i) for i in range(20)], SAMPLE[:20])
        self.assertNotEqual(generate(7, 0), generate(8, 0))

    def test_programs_are_balanced_and_end_with_main(self):
        for text in SAMPLE:
            depth = 0
            for tok in re.findall(r'"[^"]*"|[()]', text):
                depth += {"(": 1, ")": -1}.get(tok, 0)
                self.assertGreaterEqual(depth, 0)
            self.assertEqual(depth, 0)
            self.assertEqual(parse(text)[-1], ["main"])

    def test_every_rule_of_a_layer_outranks_the_next_layer(self):
        for text in SAMPLE:
            seen = rules(text)
            for layer, salience in seen:
                for later, other in seen:
                    if later > layer:
                        self.assertGreater(salience, other, text)

    def test_template_slots_are_declared_alphabetically(self):
        for text in SAMPLE:
            for slots in re.findall(r"\(deftemplate \S+ (.*)\)", text):
                names = re.findall(r"\(slot (\S+?)[ )]", slots)
                self.assertEqual(names, sorted(names))

    def test_the_sample_reaches_every_shape(self):
        text = "".join(SAMPLE)
        shapes = {
            "smallest-first consumer": r"\(not \(\S+[^\n]*\?x\d+&:\(< \?x\d+ \?x\d+\)",
            "phase fact": r"\(ph\d+ x\)",
            "modify": r"\(modify \?f \(st s\d\)",
            "retract": r"\(retract \?f\)",
            "exists": r"\(exists ",
            "double negation": r"\(not \(not ",
            "return value": r"=\(",
            "disjunction": r" [\w\"]+\|[\w\"]+",
            "multifield wildcard": r"\$\?",
            "fact address test": r"\(test \((n)?eq \?a1 \?a2\)\)",
            "loop in an action": r"\(while \(< \?k",
            "declared default": r"\(default ",
            "multislot": r"\(m \$\? \?x\d+ \$\?\)",
        }
        for name, shape in shapes.items():
            self.assertRegex(text, shape, name)

    def test_a_construct_left_out_does_not_appear(self):
        chosen = features.parse("multifield_wildcards,multislots,double_negation,slot_defaults")
        text = "".join(generate(7, i, chosen) for i in range(100))
        for construct in ("$?", "(not (not", "(default", "multislot"):
            self.assertFalse(construct in text, construct)

    def test_no_return_value_constraint_follows_a_multifield_wildcard(self):
        for text in SAMPLE:
            self.assertNotRegex(text, r"\$\?[^()]*=\(")


if __name__ == "__main__":
    unittest.main()
