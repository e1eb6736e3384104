"""The facts a program starts from: padding relations asserted first (so
fact ids and the order of facts in memories vary), base relations filled
by loops in the start rule, and literal facts in a deffacts."""
from .schema import MULTI, MULTI_REPEATING, STR, SYM, SYMBOLS, STATE, Domain, Field, Relation, TEMPLATE_SLOTS, \
    ids, small_ints

SYM_NIL = Domain("symnil", symbols=SYMBOLS + ("nil",))


def random_domain(rng, features, allow_id=True, id_hi=None):
    roll = rng.random()
    if allow_id and roll < 0.35:
        return ids(id_hi or rng.choice((3, 5, 8, 12, 20, 40, 81, 120, 200)))
    if roll < 0.7:
        return small_ints(rng.randint(1, 5))
    if "strings" in features and roll < 0.8:
        return STR
    return SYM


def with_default(rng, f, features):
    """Sometimes lets asserts leave the slot out: with a declared default,
    or (a symbol slot) defaulting to nil."""
    if "slot_defaults" in features and rng.random() < 0.25:
        f.default = str(rng.choice(f.domain.values()))
        f.omissible = True
    elif "nil_defaults" in features and f.domain is SYM and rng.random() < 0.3:
        f.domain = SYM_NIL
        f.omissible = True
    return f


def random_relation(rng, name, features, domains=None, allow_state=True):
    """A template or an ordered relation with one to three fields (plus a
    state slot). Domains are drawn from `domains` when given, so derived
    relations share value ranges with the facts they come from."""
    def draw():
        if domains and rng.random() < 0.8:
            return rng.choice(domains)
        return random_domain(rng, features, allow_id=not domains)
    n = rng.randint(1, 3)
    if rng.random() < 0.35:
        return Relation(name, True, [Field(str(i), draw()) for i in range(n)])
    with_state = allow_state and rng.random() < 0.4
    names = [s for s in TEMPLATE_SLOTS if s != "st" and (s != "m" or "multislots" in features)]
    chosen = set(rng.sample(names, n)) | ({"st"} if with_state else set())

    multi = MULTI_REPEATING if "several_ways" in features else MULTI

    def domain(s):
        return STATE if s == "st" else multi if s == "m" else draw()
    fields = [Field(s, domain(s)) if s == "st" else with_default(rng, Field(s, domain(s)), features)
              for s in TEMPLATE_SLOTS if s in chosen]
    return Relation(name, False, fields, with_state=with_state)


def loop_value(rng, f):
    d = f.domain
    if d.multi:
        return rng.choice(d.values())
    if d.name == "id":
        return "?i"
    if d is STATE:
        return "s0" if rng.random() < 0.7 else rng.choice(d.symbols)
    if d.is_int:
        m = d.hi + 1
        return rng.choice((str(rng.randint(d.lo, d.hi)), f"(mod ?i {m})", f"(mod (* ?i 3) {m})"))
    return rng.choice(d.symbols)


def loop_fill(rng, rel, count):
    """Start-rule actions asserting `count` facts of rel, numbered by ?i;
    sometimes split in two by parity with different values."""
    first = rel.fact([loop_value(rng, f) for f in rel.fields], rng)
    body = f"(assert {first})"
    if rng.random() < 0.3:
        second = rel.fact([loop_value(rng, f) for f in rel.fields], rng)
        body = f"(if (= (mod ?i 2) 0) then (assert {first}) else (assert {second}))"
    return f"(bind ?i 1) (while (<= ?i {count}) do {body} (bind ?i (+ ?i 1)))"


def literal_fact(rng, rel):
    return rel.fact([str(rng.choice(f.domain.values())) for f in rel.fields], rng)


def has_id(rel):
    return any(f.domain.name == "id" for f in rel.fields)


def id_count(rel):
    return max(f.domain.hi for f in rel.fields if f.domain.name == "id")


class Base:
    """Chooses the base relations and renders how they are filled."""

    def __init__(self, rng, names, features):
        self.rng = rng
        self.pads = []        # (relation, count)
        self.relations = []
        self.start_actions = []
        # Two facts no rule touches: the final listing is never empty and
        # never of one fact (the engines word both cases differently).
        self.deffacts = ["(anchor 1)", "(anchor 2)"]
        for _ in range(rng.choice((0, 1, 1, 2))):
            pad = Relation(names("pad"), True, [Field("0", ids(40))])
            pad.size = rng.randint(1, 40)
            self.pads.append(pad)
        for _ in range(rng.randint(2, 4)):
            self.relations.append(self._fill(random_relation(rng, names("p"), features)))

    def _fill(self, rel):
        rng = self.rng
        if has_id(rel) and rng.random() < 0.8:
            count = rng.randint(1, id_count(rel))
            self.start_actions.append(loop_fill(rng, rel, count))
            rel.size = count
        else:
            n = rng.randint(0, 10)
            facts = [literal_fact(rng, rel) for _ in range(n)]
            if rng.random() < 0.5:
                self.deffacts += facts
            elif facts:
                self.start_actions.append(f"(assert {' '.join(facts)})")
            rel.size = n
        return rel

    def start_rule(self, phases):
        """The start rule: padding first, then the phase facts, then the
        base relations."""
        actions = [loop_fill(self.rng, pad, pad.size) for pad in self.pads]
        actions += [f"(assert ({p} x))" for p in phases]
        actions += self.start_actions
        if not actions:
            actions = ["(assert (started))"]
        body = "\n   ".join(actions)
        return f"(defrule start\n   (declare (salience 5000))\n   =>\n   {body})"
