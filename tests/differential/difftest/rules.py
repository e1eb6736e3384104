"""A rule's text, and the actions shared by the rule kinds."""
from dataclasses import dataclass, field

from .predicates import int_expr

COUNTER = "?*n*"


@dataclass
class Rule:
    name: str
    salience: int
    lhs: list = field(default_factory=list)
    rhs: list = field(default_factory=list)

    def text(self):
        lines = [f"(defrule {self.name}", f"   (declare (salience {self.salience}))"]
        lines += ["   " + ce for ce in self.lhs]
        lines.append("   =>")
        lines += ["   " + a for a in self.rhs]
        lines[-1] += ")"
        return "\n".join(lines)


def count_firing():
    # Every rule counts its firings: the total is order-independent in the
    # programs made here, and it shows a missed or repeated activation.
    return f"(bind {COUNTER} (+ {COUNTER} 1))"


def value_for(rng, domain, env, arithmetic):
    """A value for a field of `domain` in an action: a variable of env of the
    same type, a literal, or (when allowed) arithmetic on integer ones."""
    same = [v for v, d in env.items() if d.kind == domain.kind]
    ints = [v for v, d in env.items() if d.kind == "int"]
    roll = rng.random()
    if domain.is_int and arithmetic and ints and roll < 0.25:
        return int_expr(rng, ints, domain)
    if same and roll < 0.8:
        v = rng.choice(same)
        return "$" + v if domain.multi else v
    return str(rng.choice(domain.values()))


def assert_action(rng, relation, state, env, arithmetic, loop_var=None):
    values = []
    for f in relation.fields:
        if f.name == "st" and state is not None:
            values.append(state)
        elif loop_var and f.domain.is_int and rng.random() < 0.7:
            values.append(loop_var)
            loop_var = None
        else:
            values.append(value_for(rng, f.domain, env, arithmetic))
    return f"(assert {relation.fact(values, rng)})"


def loop(var, count, body):
    return (f"(bind {var} 0) (while (< {var} {count}) do {body} "
            f"(bind {var} (+ {var} 1)))")


def printout(label, variables):
    parts = " ".join(f'" " {v}' for v in variables)
    return f'(printout t "{label}" {parts} crlf)'.replace("  ", " ")
