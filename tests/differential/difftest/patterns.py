"""Patterns and conditional elements of one rule, with the variables they
bind and the keys they read."""
import re
from dataclasses import dataclass, field

from .constraints import Constraint, field_constraint
from .ledger import Key
from .predicates import predicate_on


@dataclass
class RuleContext:
    """What a rule under construction has bound and read so far."""
    rng: object
    features: frozenset = frozenset()
    visible: dict = field(default_factory=dict)   # outer variables -> Domain
    reads: list = field(default_factory=list)     # (Key, positive)
    tokens: float = 1.0                           # estimate of partial matches
    counter: int = 0
    single: bool = False   # building a `?f <-` pattern: one way to match a fact
    shared: dict = None    # relation -> first patterns of earlier rules, to reuse

    def new_var(self):
        self.counter += 1
        return f"?x{self.counter}"


def _key(relation, constraints):
    if relation.with_state:
        for f, c in zip(relation.fields, constraints):
            if f.name == "st" and c.constant is not None:
                return Key(relation.name, c.constant)
    return Key(relation.name)


def _collapse_wildcards(rng, texts, features):
    """Replaces one run of single-field wildcards (possibly an empty run)
    by a multifield wildcard: the pattern still matches each fact once.
    No return-value constraint `=(...)` may follow it: the peer never
    matches one that comes after a `$?` in its pattern."""
    runs = [(i, j) for i in range(len(texts) + 1) for j in range(i, len(texts) + 1)
            if all(t == "?" for t in texts[i:j]) and not any("=(" in t for t in texts[j:])
            and ("compare_after_wildcard" in features or not any("?x" in t for t in texts[j:]))]
    i, j = rng.choice(runs)
    return texts[:i] + ["$?"] + texts[j:]


def _render(relation, constraints, omit_wild, rng=None, features=()):
    if relation.ordered:
        texts = [c.text for c in constraints]
        if rng is not None:
            texts = _collapse_wildcards(rng, texts, features)
        return "(" + " ".join([relation.name] + texts) + ")"
    parts = [f"({f.name} {c.text})" for f, c in zip(relation.fields, constraints)
             if not (omit_wild and c.wild)]
    return "(" + " ".join([relation.name] + parts) + ")"


def pattern(ctx, relation, positive=True, fixed=None, forced=None):
    """One pattern on `relation`. Variables it binds become visible to later
    elements when `positive`; under a `not` or an `exists` they are local to
    it. `fixed` maps field names to required literals, `forced` to
    Constraints to use. Returns the text, the key read, and the variables
    bound."""
    rng = ctx.rng
    # Only before any variable is named: an earlier `not` may have used the
    # names the reused text binds.
    first = positive and ctx.counter == 0 and not fixed and not forced
    if first and ctx.shared is not None and ctx.shared.get(relation.name) \
            and rng.random() < 0.4:
        return _reuse(ctx, rng.choice(ctx.shared[relation.name]))
    env = dict(ctx.visible)
    constraints, bound = [], []
    for f in relation.fields:
        if fixed and f.name in fixed:
            c = Constraint(str(fixed[f.name]), selective=True, constant=fixed[f.name])
        elif forced and f.name in forced:
            c = forced[f.name]
        else:
            c = field_constraint(rng, f.domain, env, ctx.new_var, ctx.features, ctx.single)
        if c.binds:
            env[c.binds] = c.bound_domain or f.domain
            bound.append(c.binds)
        constraints.append(c)
    selective = sum(1 for c, f in zip(constraints, relation.fields) if c.selective)
    key = _key(relation, constraints)
    ctx.reads.append((key, positive))
    if positive:
        for v in bound:
            ctx.visible[v] = env[v]
        factor = max(1.0, relation.size)
        for c, f in zip(constraints, relation.fields):
            if c.selective:
                factor /= f.domain.size
        ctx.tokens *= max(1.0, factor)
    collapse = "multifield_wildcards" in ctx.features and rng.random() < 0.3
    text = _render(relation, constraints, omit_wild=rng.random() < 0.7,
                   rng=rng if collapse else None, features=ctx.features)
    if first and ctx.shared is not None:
        ctx.shared.setdefault(relation.name, []).append(
            (text, key, {v: env[v] for v in bound}, ctx.tokens))
    return text, key, bound, selective


def _reuse(ctx, entry):
    """The first pattern of an earlier rule, word for word, as this rule's
    first binding pattern: rules then share its memories in the network
    and join below it on different slots."""
    text, key, variables, tokens = entry
    ctx.reads.append((key, True))
    ctx.visible.update(variables)
    ctx.tokens *= tokens
    numbers = [int(n) for n in re.findall(r"\?x(\d+)", text)]
    ctx.counter = max([ctx.counter] + numbers)
    return text, key, list(variables), 0


def ordering_negation(ctx, relation, field_name, var, fixed):
    """`(not (Q ... (field ?y&:(< ?y var)) ...))`: blocked by the facts of
    the consumed relation that come before the matched one, so consuming
    them one by one unblocks the next (facts leave the negated join's
    memory while they block it)."""
    y = ctx.new_var()
    op = ctx.rng.choice(("<", "<", ">", "<="))
    test = f"{y}&:({op} {y} {var})"
    if ctx.rng.random() < 0.2:
        test = f"{y}&~{var}&:({op} {y} {var})"
    forced = {field_name: Constraint(test, binds=y)}
    text, key, _, _ = pattern(ctx, relation, positive=False, fixed=fixed, forced=forced)
    return f"(not {text})", key


def test_ce(ctx):
    """A `test` on the visible variables, or None when there are none."""
    if not ctx.visible:
        return None
    x = ctx.rng.choice(list(ctx.visible))
    return f"(test {predicate_on(ctx.rng, x, ctx.visible[x], ctx.visible)})"


def negated(ctx, relation):
    text, key, _, _ = pattern(ctx, relation, positive=False)
    return f"(not {text})", key


def exists(ctx, relation):
    """`(exists P)`, or `(not (not P))`, which means the same."""
    text, key, _, _ = pattern(ctx, relation, positive=False)
    # It reads positively: a new fact can satisfy it.
    ctx.reads[-1] = (key, True)
    if "double_negation" in ctx.features and ctx.rng.random() < 0.3:
        return f"(not (not {text}))", key
    return f"(exists {text})", key
