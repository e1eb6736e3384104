"""The rule kinds of a layer, each order-independent by construction.

derive   rules only assert. They read positively what earlier layers made
         and what this layer makes into a recursive target, and negatively
         only what this layer does not assert: the layer grows to one least
         fixpoint, and each rule fires once per match in it.
consume  rules retract the fact of their `?f <-` pattern. Besides that
         pattern they read positively only what the layer leaves alone, and
         under `not` anything it does not assert, so a retraction can only
         enable more retractions: every order removes the same facts (the
         "smallest id first" shape, whose negation is blocked by the facts
         it consumes, is one). With one consume rule in the layer it may
         also assert a receipt and print, built from its `?f` pattern only.
modify   one rule per relation and state moves facts to a later state; the
         new state is read by no rule of the layer, and the new values come
         from the modified fact only, so each fact moves once, the same way
         in any order.
guarded  the known shape of a phase fact: consumers that need `(phase x)`,
         and a done rule retracting the phase once no fact they could take
         is left. Every consumer pattern implies the done rule's negated
         pattern, so the done rule is never on the agenda beside a consumer.
"""
from dataclasses import dataclass, field

from .ledger import Key
from .constraints import Constraint
from .patterns import RuleContext, exists, negated, ordering_negation, pattern, test_ce
from .rules import Rule, assert_action, count_firing, loop, printout, value_for
from .schema import STATES

TOKEN_LIMIT = 3000


@dataclass
class Layer:
    index: int
    kind: str
    salience: int
    targets: list = field(default_factory=list)     # (Relation, state) asserted
    recursive: set = field(default_factory=set)     # targets it also reads
    consumed: list = field(default_factory=list)    # (Relation, state) retracted
    transitions: list = field(default_factory=list)  # (Relation, from, to)
    phase: str = None
    guard: dict = None                               # field -> literal
    rules: list = field(default_factory=list)


class LayerBuilder:
    """Makes the rules of one layer against the program's schema and
    ledger; names rules from the shared counter."""

    def __init__(self, program, layer):
        self.p = program
        self.rng = program.rng
        self.layer = layer
        self.L = layer.index

    # -- what the layer may read --------------------------------------
    def _written(self, rel):
        key = Key(rel.name)
        return self.p.ledger.asserted_in(key, self.L) or self.p.ledger.retracted_in(key, self.L)

    def _asserted(self, rel):
        return self.p.ledger.asserted_in(Key(rel.name), self.L)

    def positive_candidates(self):
        k = self.layer.kind
        out = []
        for rel in self.p.readable():
            if k == "derive":
                if not self._asserted(rel) or rel.name in self.layer.recursive:
                    out.append(rel)
            elif not self._written(rel):
                out.append(rel)
        return out

    def negative_candidates(self):
        rels = self.p.readable()
        if self.layer.kind == "modify":
            return [r for r in rels if not self._written(r)]
        return [r for r in rels if not self._asserted(r)]

    # -- building one rule ---------------------------------------------
    def _context(self):
        ctx = RuleContext(self.rng, self.p.features)
        if "shared_patterns" in self.p.features:
            ctx.shared = self.p.shared
        return ctx

    def _salience(self):
        return self.layer.salience + self.rng.choice((0, 0, 1, 2, 3, 5))

    def _conditions(self, ctx, lhs, n_pos, n_neg, n_exists, n_test, prefer=None):
        """Adds conditions in random order to lhs; False when no relation
        can be read where one is wanted."""
        self.positives = []
        kinds = ["pos"] * n_pos + ["neg"] * n_neg + ["exists"] * n_exists + ["test"] * n_test
        self.rng.shuffle(kinds)
        for kind in kinds:
            if kind == "test":
                t = test_ce(ctx)
                if t:
                    lhs.append(t)
                continue
            pool = self.positive_candidates() if kind != "neg" else self.negative_candidates()
            if kind == "neg" and prefer and prefer in pool and self.rng.random() < 0.5:
                rel = prefer
            elif pool:
                rel = self.rng.choice(pool)
            else:
                return False
            if kind == "pos":
                lhs.append(pattern(ctx, rel)[0])
                self.positives.append(len(lhs) - 1)
            elif kind == "neg":
                lhs.append(negated(ctx, rel)[0])
            else:
                lhs.append(exists(ctx, rel)[0])
        return True

    def _accept(self, ctx, rule):
        if ctx.tokens > TOKEN_LIMIT or self.p.tokens + ctx.tokens > self.p.token_budget:
            return False
        for key, positive in ctx.reads:
            self.p.ledger.read(key, self.L, positive)
        self.p.tokens += ctx.tokens
        self.layer.rules.append(rule)
        return True

    def _try(self, make, tries=6):
        for _ in range(tries):
            if make():
                return True
        return False

    # -- derive ----------------------------------------------------------
    def derive_rule(self):
        rng = self.rng
        ctx = self._context()
        rule = Rule(self.p.rule_name(), self._salience())
        if not self._conditions(ctx, rule.lhs, rng.randint(1, 3), rng.choice((0, 0, 1, 1, 2)),
                                int(rng.random() < 0.2), int(rng.random() < 0.3)):
            return False
        if ctx.tokens < 1 or not any(p for p in rule.lhs):
            return False
        self._fact_address_test(rule)
        fired = ctx.tokens
        for rel, state in rng.sample(self.layer.targets, rng.randint(1, len(self.layer.targets))):
            recursive = rel.name in self.layer.recursive
            if not recursive and rng.random() < 0.15:
                n = rng.randint(2, 8)
                rule.rhs.append(loop("?k", n, assert_action(rng, rel, state, ctx.visible, True, "?k")))
                rel.size = min(rel.capacity, rel.size + int(fired * n))
            else:
                rule.rhs.append(assert_action(rng, rel, state, ctx.visible, not recursive))
                rel.size = min(rel.capacity, rel.size + int(fired))
            if recursive:
                rel.size = rel.capacity
        self._merge_asserts(rule)
        if rng.random() < 0.25:
            rule.rhs.append(printout(rule.name, list(ctx.visible)))
        rule.rhs.append(count_firing())
        return self._accept(ctx, rule)

    def _fact_address_test(self, rule):
        """Names the facts of two positive patterns and tests them as
        distinct (or the same): a self-join on fact identity."""
        if "fact_address_tests" not in self.p.features or len(self.positives) < 2 \
                or self.rng.random() > 0.2:
            return
        a, b = self.rng.sample(self.positives, 2)
        rule.lhs[a] = f"?a1 <- {rule.lhs[a]}"
        rule.lhs[b] = f"?a2 <- {rule.lhs[b]}"
        op = "neq" if self.rng.random() < 0.8 else "eq"
        rule.lhs.append(f"(test ({op} ?a1 ?a2))")

    def _merge_asserts(self, rule):
        plain = [a for a in rule.rhs if a.startswith("(assert ")]
        if "multi_assert" in self.p.features and len(plain) > 1 and self.rng.random() < 0.5:
            facts = " ".join(a[len("(assert "):-1] for a in plain)
            rule.rhs = [a for a in rule.rhs if a not in plain] + [f"(assert {facts})"]

    # -- consume ---------------------------------------------------------
    def _fact_pattern(self, ctx, rel, fixed):
        """The `?f <-` pattern; sometimes with a plain variable on an integer
        field, returned as `order` (field, variable) for an ordering
        negation."""
        forced, order = {}, None
        ints = [f for f in rel.fields if f.domain.kind == "int" and not (fixed and f.name in fixed)]
        if ints and self.rng.random() < 0.5:
            f = self.rng.choice(ints)
            order = (f.name, ctx.new_var())
            forced[f.name] = Constraint(order[1], binds=order[1])
        ctx.single = True
        text, _, bound, _ = pattern(ctx, rel, fixed=fixed, forced=forced)
        ctx.single = False
        return f"?f <- {text}", {v: ctx.visible[v] for v in bound}, order

    def _ordering(self, ctx, lhs, rel, order, fixed):
        if order and self.rng.random() < 0.8:
            text, _ = ordering_negation(ctx, rel, order[0], order[1], fixed)
            lhs.append(text)

    def consume_rule(self, single, receipt):
        rng = self.rng
        rel, state = rng.choice(self.layer.consumed)
        ctx = self._context()
        rule = Rule(self.p.rule_name(), self._salience())
        before = rng.random() < 0.3
        if before and not self._conditions(ctx, rule.lhs, 1, 0, 0, 0):
            return False
        fixed = {"st": state} if state else None
        fact, own, order = self._fact_pattern(ctx, rel, fixed)
        rule.lhs.append(fact)
        self._ordering(ctx, rule.lhs, rel, order, fixed)
        if not self._conditions(ctx, rule.lhs, rng.choice((0, 0, 1)), rng.choice((0, 1, 1, 2)),
                                int(rng.random() < 0.15), int(rng.random() < 0.3), prefer=rel):
            return False
        rule.rhs.append("(retract ?f)")
        if single and receipt and rng.random() < 0.7:
            rule.rhs.append(assert_action(rng, receipt, None, own, True))
        if single and rng.random() < 0.3:
            rule.rhs.append(printout(rule.name, list(own)))
        rule.rhs.append(count_firing())
        return self._accept(ctx, rule)

    # -- modify ----------------------------------------------------------
    def modify_rule(self, rel, src, dst):
        rng = self.rng
        ctx = self._context()
        rule = Rule(self.p.rule_name(), self._salience())
        fact, own, _ = self._fact_pattern(ctx, rel, {"st": src})
        rule.lhs.append(fact)
        if not self._conditions(ctx, rule.lhs, rng.choice((0, 0, 1)), rng.choice((0, 1)),
                                int(rng.random() < 0.15), int(rng.random() < 0.3)):
            return False
        changes = [f"(st {dst})"]
        for f in rel.fields:
            if f.name != "st" and rng.random() < 0.4:
                changes.append(f"({f.name} {value_for(rng, f.domain, own, True)})")
        rule.rhs.append(f"(modify ?f {' '.join(changes)})")
        rule.rhs.append(count_firing())
        return self._accept(ctx, rule)

    # -- guarded ---------------------------------------------------------
    def guarded_consumer(self, rel, single):
        rng = self.rng
        ctx = self._context()
        rule = Rule(self.p.rule_name(), self._salience())
        phase = f"({self.layer.phase} x)"
        fact, own, order = self._fact_pattern(ctx, rel, self.layer.guard)
        rule.lhs += [phase, fact] if rng.random() < 0.7 else [fact, phase]
        self.p.ledger.read(Key(self.layer.phase), self.L, True)
        self._ordering(ctx, rule.lhs, rel, order, self.layer.guard)
        if not self._conditions(ctx, rule.lhs, rng.choice((0, 0, 1)), rng.choice((0, 1, 2)),
                                0, int(rng.random() < 0.3), prefer=rel):
            return False
        rule.rhs.append("(retract ?f)")
        if single and rng.random() < 0.3:
            rule.rhs.append(printout(rule.name, list(own)))
        rule.rhs.append(count_firing())
        return self._accept(ctx, rule)

    def guarded_done(self, rel):
        rule = Rule(self.p.rule_name(), self._salience())
        guard = self.layer.guard
        blocker = rel.fact([str(guard[f.name]) if f.name in guard else "?" for f in rel.fields]
                           ) if rel.ordered else \
            "(" + " ".join([rel.name] + [f"({n} {v})" for n, v in guard.items()]) + ")"
        rule.lhs = [f"?f <- ({self.layer.phase} x)", f"(not {blocker})"]
        state = guard.get("st")
        self.p.ledger.read(Key(self.layer.phase), self.L, True)
        self.p.ledger.read(Key(rel.name, state), self.L, False)
        rule.rhs = ["(retract ?f)"]
        if self.rng.random() < 0.5:
            rule.rhs.append(f'(printout t "{rule.name} done" crlf)')
        rule.rhs.append(count_firing())
        self.layer.rules.append(rule)


def later_states(state):
    return STATES[STATES.index(state) + 1:]
