"""Which layer reads and writes which facts, and the rules that keep a
generated program confluent (its end state independent of the order in
which activations of equal salience fire).

A program runs in layers: every rule of a layer has a higher salience than
every rule of the layers after it, so a layer fires only when the layers
before it have nothing left to fire. Facts are grouped by key: a relation,
or for a template with a `st` slot one state of it. A later layer's write
must never give an earlier layer something new to fire, so
  - asserting a key is refused once an earlier layer reads it positively
    (a pattern or an `exists`): the new fact could match it;
  - retracting a key is refused once an earlier layer reads it under a
    `not`: the retraction could unblock it.
A write may only take activations away from earlier layers, which have
fired everything they had. Within a layer the rule kinds keep their own
order-independence (see rulekinds.py)."""
from dataclasses import dataclass, field


@dataclass(frozen=True)
class Key:
    relation: str
    state: str = None    # None: every state of the relation

    def overlaps(self, other):
        if self.relation != other.relation:
            return False
        return self.state is None or other.state is None or self.state == other.state


@dataclass
class Ledger:
    pos_reads: list = field(default_factory=list)    # (layer, Key)
    neg_reads: list = field(default_factory=list)
    asserts: list = field(default_factory=list)      # (layer, Key)
    retracts: list = field(default_factory=list)

    def can_assert(self, key, layer):
        return not any(l < layer and k.overlaps(key) for l, k in self.pos_reads)

    def can_retract(self, key, layer):
        return not any(l < layer and k.overlaps(key) for l, k in self.neg_reads)

    def note_assert(self, key, layer):
        self.asserts.append((layer, key))

    def note_retract(self, key, layer):
        self.retracts.append((layer, key))

    def asserted_in(self, key, layer):
        return any(l == layer and k.overlaps(key) for l, k in self.asserts)

    def retracted_in(self, key, layer):
        return any(l == layer and k.overlaps(key) for l, k in self.retracts)

    def read(self, key, layer, positive):
        (self.pos_reads if positive else self.neg_reads).append((layer, key))
