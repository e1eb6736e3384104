#!/usr/bin/env python3
"""Shrinks a program that differs between vettora-shell and the peer:
drops top-level constructs, then any element of any list (conditions,
actions, facts, slot constraints), and lowers loop bounds, keeping each
change while the program still differs. A candidate counts only when the
peer accepts it, gives the same result under several conflict-resolution
strategies (so the reduced program is still order-independent), and this
engine still exits as the original did.

  reduce.py PROGRAM.clp [-o OUT.clp] [--timeout SECONDS]"""
import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from difftest.batch import single_text  # noqa: E402
from difftest.engines import run_text  # noqa: E402
from difftest.errors import peer_failed  # noqa: E402
from difftest.normalise import normalise  # noqa: E402
from difftest.sexpr import parse, render  # noqa: E402

# Shapes of differences already reported: a reduction must not drift into
# one of them unless the program had it from the start.
KNOWN = [r"\$\?\s+(\?\w+\s+)?\$\?",  # one fact matched in several ways, joined
         r"\bthen\s+else\b",         # an if with an empty then branch
         r"\bthen\s*\)"]

STRATEGIES = ["(set-strategy depth)", "(set-strategy breadth)", "(set-strategy random) (seed 5)"]


class Oracle:
    def __init__(self, timeout, original=""):
        self.timeout = timeout
        self.avoid = [re.compile(k) for k in KNOWN if not re.search(k, original)]
        self.seen = {}
        self.our_status = None
        self.tries = 0

    def differs(self, text):
        if text not in self.seen:
            self.tries += 1
            self.seen[text] = self._differs(text)
        return self.seen[text]

    def _differs(self, text):
        if any(k.search(text) for k in self.avoid):
            return False
        peers = []
        for strategy in STRATEGIES:
            out = run_text("peer", single_text(strategy + "\n" + text), self.timeout)
            if out.timed_out or peer_failed(out.text):
                return False
            peers.append(normalise(out.text))
        if any(p != peers[0] for p in peers[1:]):
            return False
        ours = run_text("ours", single_text(text), self.timeout)
        if self.our_status is not None and ours.status != self.our_status:
            return False
        return ours.timed_out or normalise(ours.text) != peers[0]


def paths(node, prefix=()):
    """Paths to every list element below node, outermost first."""
    out = []
    if isinstance(node, list):
        for i, child in enumerate(node):
            if i > 0:
                out.append(prefix + (i,))
            out += paths(child, prefix + (i,))
    return out


def without(forms, path):
    forms = _copy(forms)
    parent = forms
    for i in path[:-1]:
        parent = parent[i]
    del parent[path[-1]]
    return forms


def _copy(node):
    return [_copy(x) for x in node] if isinstance(node, list) else node


def at(forms, path):
    node = forms
    for i in path:
        node = node[i]
    return node


def replaced(forms, path, value):
    forms = _copy(forms)
    parent = at(forms, path[:-1])
    parent[path[-1]] = value
    return forms


def protected(node):
    """The frame every generated program shares (its main function and the
    call, the counter, the two anchor facts) stays as it is, so that the
    reduced program still shows the difference through the same listing,
    not through another printing difference (an empty listing, a bare
    command)."""
    return isinstance(node, list) and (
        node[:2] == ["deffunction", "main"] or node == ["main"] or node[:1] == ["defglobal"]
        or node[:1] == ["anchor"])


def holds_protected(node):
    return protected(node) or (isinstance(node, list) and any(holds_protected(x) for x in node))


CALLS = {"+", "-", "*", "<", ">", "<=", ">=", "=", "<>", "eq", "neq", "and", "or", "mod",
         "bind"}


def droppable(parent, i, grandparent):
    """Whether element i of parent may go without making a program that
    means something else than a smaller version of the same one (an `if`
    without `then`, a call short of an argument, a fact with a slot left
    to its default, a printout without its line end)."""
    head = parent[0] if parent and isinstance(parent[0], str) else None
    child = parent[i]
    if i == 0 or head in CALLS:
        return False
    if grandparent and grandparent[0] in ("assert", "deffacts", "deftemplate"):
        return False          # a field of a fact, a slot's default
    if len(parent) == 2 and all(isinstance(x, str) for x in parent):
        return False          # (slot value), (salience 10), (retract ?f)
    if head == "while":
        return i >= 4
    if head == "if":
        return i >= 2 and child not in ("then", "else") and len(_branch(parent, i)) > 1
    if head == "printout":
        return i >= 2 and child != "crlf"
    if head in ("defrule", "deftemplate", "deffacts", "deffunction"):
        return i >= 2
    return True


def _branch(if_form, i):
    """The actions of the `then` or `else` branch holding element i."""
    parts, current = [], []
    for j, x in enumerate(if_form[2:], 2):
        if x in ("then", "else"):
            parts.append(current)
            current = []
        else:
            current.append(j)
    parts.append(current)
    return next((p for p in parts if i in p), [])


def candidates(forms):
    """Paths of the elements that may be dropped, outermost first; nothing
    inside a protected element, nor anything holding one."""
    out = []

    def walk(node, path, parent):
        if protected(node) or not isinstance(node, list):
            return
        for i, child in enumerate(node):
            if holds_protected(child):
                continue
            if not path or droppable(node, i, parent):
                out.append(path + (i,))
        for i, child in enumerate(node):
            walk(child, path + (i,), node)
    walk(forms, (), None)
    return out


def number_paths(forms):
    """Paths of the integer literals outside protected elements."""
    out = []

    def walk(node, path):
        if protected(node):
            return
        if isinstance(node, list):
            for i, child in enumerate(node):
                walk(child, path + (i,))
        elif node.isdigit() and int(node) > 2:
            out.append(path)
    walk(forms, ())
    return out


def drop_pass(forms, oracle):
    """One sweep deleting elements (top-level forms first); returns the
    smaller forms and whether anything went. After a deletion the paths
    are computed again and the sweep goes on at the same place."""
    changed, k = False, 0
    while True:
        cands = candidates(forms)
        if k >= len(cands):
            return forms, changed
        trial = without(forms, cands[k])
        if oracle.differs(render(trial)):
            forms, changed = trial, True
        else:
            k += 1


def shrink_numbers(forms, oracle):
    """Halves integer literals larger than 2 (loop bounds, ids)."""
    changed = False
    for path in number_paths(forms):
        trial = replaced(forms, path, str(int(at(forms, path)) // 2))
        if oracle.differs(render(trial)):
            forms, changed = trial, True
    return forms, changed


def reduce(text, oracle):
    forms = parse(text)
    changed = True
    while changed:
        forms, dropped = drop_pass(forms, oracle)
        forms, shrunk = shrink_numbers(forms, oracle)
        changed = dropped or shrunk
    return render(forms)


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("program")
    ap.add_argument("-o", "--out")
    ap.add_argument("--timeout", type=float, default=20)
    args = ap.parse_args()
    text = render(parse(open(args.program).read()))
    oracle = Oracle(args.timeout, text)
    if not oracle.differs(text):
        sys.exit("the program does not differ (or the peer rejects it, or it is order-dependent)")
    oracle.our_status = run_text("ours", single_text(text), args.timeout).status
    small = reduce(text, oracle)
    (open(args.out, "w") if args.out else sys.stdout).write(small)
    print(f"reduced {len(text)} to {len(small)} characters in {oracle.tries} runs", file=sys.stderr)


if __name__ == "__main__":
    main()
