"""A whole generated program: base facts, layers of rules, and the main
function that runs it and lists the facts."""
import random

from .base import Base, random_relation
from .layers import Layer, LayerBuilder, later_states
from .ledger import Key, Ledger
from .features import ALL
from .predicates import DEFFUNCTIONS
from .schema import SYM, Field, Relation

ALL_FEATURES = frozenset(ALL)

KINDS = ("derive", "derive", "derive", "consume", "consume", "modify", "guarded", "guarded")
MAIN = ('(deffunction main ()\n   (reset)\n   (run)\n   (printout t "count " ?*n* crlf)\n'
        '   (facts 1)\n   (printout t ""))\n(main)')


class Program:
    def __init__(self, seed, index=0, features=ALL_FEATURES):
        self.seed, self.index = seed, index
        self.features = features
        self.rng = random.Random(f"{seed}:{index}")
        self.rng.features = features
        self.ledger = Ledger()
        self.counters = {}
        self.rules = 0
        self.tokens = 0.0
        self.token_budget = 20000
        self.base = Base(self.rng, self.name, features)
        self.relations = self.base.pads + list(self.base.relations)
        for rel in self.relations:
            self.ledger.note_assert(Key(rel.name), 0)
        self.phases = []
        self.shared = {}
        self.layers = []
        for i in range(1, self.rng.choice((1, 2, 3, 4, 5, 6, 7)) + 1):
            layer = Layer(i, self.rng.choice(KINDS), 1000 - 100 * i)
            if getattr(self, "_" + layer.kind)(layer):
                self.layers.append(layer)

    def name(self, prefix):
        self.counters[prefix] = self.counters.get(prefix, 0) + 1
        return f"{prefix}{self.counters[prefix]}"

    def rule_name(self):
        self.rules += 1
        return f"r{self.rules}"

    def readable(self):
        return list(self.relations)

    def _domains(self):
        return [f.domain for r in self.base.relations for f in r.fields
                if f.name not in ("st", "m")]

    def _new_relation(self, prefix, domains=None):
        rel = random_relation(self.rng, self.name(prefix), self.features,
                              domains or self._domains())
        self.relations.append(rel)
        return rel

    # -- layers of each kind ------------------------------------------
    def _derive(self, layer):
        rng = self.rng
        for _ in range(rng.choice((1, 1, 2))):
            existing = [r for r in self.relations if r not in [t for t, _ in layer.targets]]
            rel = rng.choice(existing) if existing and rng.random() < 0.3 else None
            state = None
            if rel is not None and rel.with_state:
                state = rng.choice(rel.field("st").domain.symbols)
            if rel is None or not self.ledger.can_assert(Key(rel.name, state), layer.index):
                rel = self._new_relation("d")
                state = rng.choice(rel.field("st").domain.symbols) if rel.with_state else None
            layer.targets.append((rel, state))
            self.ledger.note_assert(Key(rel.name, state), layer.index)
            if rel.capacity <= 300 and rng.random() < 0.3:
                layer.recursive.add(rel.name)
        builder = LayerBuilder(self, layer)
        for _ in range(rng.choice((1, 2, 3, 4, 5))):
            builder._try(builder.derive_rule)
        return bool(layer.rules)

    def _consumable(self, layer):
        out = []
        for rel in self.relations:
            if rel.size == 0:
                continue
            state = None
            if rel.with_state and self.rng.random() < 0.5:
                state = self.rng.choice(rel.field("st").domain.symbols)
            if self.ledger.can_retract(Key(rel.name, state), layer.index):
                out.append((rel, state))
        return out

    def _consume(self, layer):
        rng = self.rng
        pool = self._consumable(layer)
        if not pool:
            return False
        layer.consumed = rng.sample(pool, min(len(pool), rng.choice((1, 1, 2))))
        for rel, state in layer.consumed:
            self.ledger.note_retract(Key(rel.name, state), layer.index)
        n = rng.choice((1, 1, 2, 3))
        receipt = None
        if n == 1 and rng.random() < 0.6:
            receipt = self._new_relation("rc")
            self.ledger.note_assert(Key(receipt.name), layer.index)
        builder = LayerBuilder(self, layer)
        for _ in range(n):
            builder._try(lambda: builder.consume_rule(n == 1, receipt))
        if receipt:
            receipt.size = sum(r.size for r, _ in layer.consumed)
        return bool(layer.rules)

    def _modify(self, layer):
        rng = self.rng
        rels = [r for r in self.relations if r.with_state and r.size > 0]
        sources, targets = set(), set()
        for rel in rng.sample(rels, min(len(rels), rng.choice((1, 1, 2)))):
            src = rng.choice(rel.field("st").domain.symbols[:-1])
            dsts = [s for s in later_states(src) if (rel.name, s) not in sources]
            if (rel.name, src) in targets or not dsts:
                continue
            dst = rng.choice(dsts)
            if not (self.ledger.can_retract(Key(rel.name, src), layer.index)
                    and self.ledger.can_assert(Key(rel.name, dst), layer.index)):
                continue
            sources.add((rel.name, src))
            targets.add((rel.name, dst))
            layer.transitions.append((rel, src, dst))
            self.ledger.note_retract(Key(rel.name, src), layer.index)
            self.ledger.note_assert(Key(rel.name, dst), layer.index)
        builder = LayerBuilder(self, layer)
        for rel, src, dst in layer.transitions:
            builder._try(lambda: builder.modify_rule(rel, src, dst))
        return bool(layer.rules)

    def _guarded(self, layer):
        rng = self.rng
        pool = [(r, s) for r, s in self._consumable(layer) if not r.name.startswith("ph")]
        if not pool:
            return False
        rel, state = rng.choice(pool)
        guard = {"st": state} if state else {}
        others = [f for f in rel.fields if f.name != "st"]
        if others and rng.random() < 0.5:
            f = rng.choice(others)
            guard[f.name] = rng.choice(f.domain.values())
        layer.phase, layer.guard = self.name("ph"), guard
        self.phases.append(layer.phase)
        phase_rel = Relation(layer.phase, True, [Field("0", SYM)], size=1)
        self.relations.append(phase_rel)
        self.ledger.note_assert(Key(layer.phase), 0)
        self.ledger.note_retract(Key(rel.name, state), layer.index)
        self.ledger.note_retract(Key(layer.phase), layer.index)
        builder = LayerBuilder(self, layer)
        n = rng.choice((1, 1, 2))
        for _ in range(n):
            builder._try(lambda: builder.guarded_consumer(rel, n == 1))
        if not layer.rules:
            return False
        builder.guarded_done(rel)
        return True

    # -- text -------------------------------------------------------------
    def text(self):
        out = [f"; differential program, seed {self.seed}, number {self.index}",
               "(defglobal ?*n* = 0)"]
        if "functions" in self.features:
            out.append(DEFFUNCTIONS)
        out += [r.deftemplate() for r in self.relations if not r.ordered]
        out.append("(deffacts base\n   " + "\n   ".join(self.base.deffacts) + ")")
        out.append(self.base.start_rule(self.phases))
        for layer in self.layers:
            out.append(f"; layer {layer.index}: {layer.kind}")
            out += [rule.text() for rule in layer.rules]
        out.append(MAIN)
        return "\n".join(out) + "\n"


def generate(seed, index=0, features=ALL_FEATURES):
    return Program(seed, index, features).text()
