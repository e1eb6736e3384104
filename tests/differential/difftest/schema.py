"""Relations of a generated program: templates with slots, or ordered facts
with positional fields. Every field has a domain, which fixes its type
(integer or symbol) and the values the generator draws for it."""
from dataclasses import dataclass, field

# Symbols used as values. None is special in the language (nil, TRUE,
# FALSE, not, and, or ...), so patterns and tests mean the same in both
# engines.
SYMBOLS = ("a", "b", "c", "d", "any")

# States of a template's `st` slot, in the only order `modify` may move a
# fact through: each modification goes to a later state, so a modified
# fact never matches the rule that modified it again.
STATES = ("s0", "s1", "s2", "s3")


@dataclass(frozen=True)
class Domain:
    """The values of one field: integers lo..hi, or a list of symbols."""
    name: str
    lo: int = 0
    hi: int = 0
    symbols: tuple = ()
    multi: bool = False      # a multislot: values are lists of the symbols
    lists: tuple = ()        # a multislot's values

    @property
    def is_int(self):
        return not self.symbols

    @property
    def kind(self):
        """What a variable bound to the field holds: "int", "atom" (a
        symbol or string) or "multi" (a multifield)."""
        return "multi" if self.multi else "int" if self.is_int else "atom"

    @property
    def size(self):
        return len(self.symbols) if self.symbols else self.hi - self.lo + 1

    def values(self):
        if self.multi:
            return list(self.lists)
        return list(self.symbols) if self.symbols else list(range(self.lo, self.hi + 1))


SYM = Domain("sym", symbols=SYMBOLS)
STR = Domain("str", symbols=('"a"', '"b c"', '"any"'))
# Never empty: this engine lists an empty multislot differently. With a
# repeated element, `$? c $?` matches (c c) in two ways.
MULTI = Domain("multi", symbols=("a", "b", "c"), multi=True,
               lists=("a", "b", "a b", "b a", "a b c", "c a"))
MULTI_REPEATING = Domain("multirep", symbols=("a", "b", "c"), multi=True,
                         lists=("a", "b", "a b", "b a", "a b c", "c c", "b b a"))
STATE = Domain("state", symbols=STATES)


def small_ints(hi):
    return Domain("small", 0, hi)


def ids(hi):
    return Domain("id", 1, hi)


@dataclass
class Field:
    name: str      # slot name; for ordered facts the position as text
    domain: Domain
    default: object = None   # a declared default, as text
    omissible: bool = False  # asserts may leave it out (default or nil)


@dataclass
class Relation:
    """A template (ordered=False) or an ordered fact's relation name.

    Slots are declared in alphabetical order: this engine lists a fact's
    slots in that order and the peer in declaration order, so any other
    order would make every fact listing differ."""
    name: str
    ordered: bool
    fields: list
    size: int = 0            # estimate of the most facts it can hold
    with_state: bool = False

    def field(self, name):
        for f in self.fields:
            if f.name == name:
                return f
        raise KeyError(name)

    @property
    def capacity(self):
        n = 1
        for f in self.fields:
            n *= f.domain.size
        return n

    def deftemplate(self):
        def slot(f):
            kind = "multislot" if f.domain.multi else "slot"
            if f.default is not None:
                return f"({kind} {f.name} (default {f.default}))"
            return f"({kind} {f.name})"
        slots = " ".join(slot(f) for f in self.fields)
        return f"(deftemplate {self.name} {slots})"

    def fact(self, values, rng=None):
        """The text of a fact (or an assert argument) with the given field
        values, already rendered as text, in field order. Given rng, slots
        that may be left out sometimes are, when the value left out is the
        one they default to."""
        if self.ordered:
            return "(" + " ".join([self.name] + list(values)) + ")"
        parts = []
        for f, v in zip(self.fields, values):
            default = f.default if f.default is not None else "nil"
            if rng and f.omissible and v == default and rng.random() < 0.7:
                continue
            parts.append(f"({f.name} {v})")
        return "(" + " ".join([self.name] + parts) + ")"


TEMPLATE_SLOTS = ("id", "k", "m", "st", "v", "w")


def literal(value):
    return str(value)


@dataclass
class Schema:
    relations: list = field(default_factory=list)

    def by_name(self, name):
        for r in self.relations:
            if r.name == name:
                return r
        raise KeyError(name)
