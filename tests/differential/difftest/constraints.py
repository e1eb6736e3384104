"""Constraints on one field of a pattern: literals, variables (new ones
bind, bound ones join), `~`, `|`, `&`, `:(...)` and `=(...)`."""
from dataclasses import dataclass

from .predicates import int_expr, predicate_on


@dataclass
class Constraint:
    text: str
    binds: str = None       # the variable this constraint binds, if any
    selective: bool = False  # narrows the field to about one value
    constant: object = None  # the literal it requires, when it is just one


def literal_values(rng, domain, n):
    values = domain.values()
    return rng.sample(values, min(n, len(values)))


def field_constraint(rng, domain, env, new_var, features):
    """A constraint for a field of `domain`; env maps the variables visible
    here to their domains; new_var() names a fresh variable."""
    same = [v for v, d in env.items() if d.is_int == domain.is_int]
    ints = [v for v, d in env.items() if d.is_int]
    forms = ["wild", "const", "var", "var", "notconst", "or", "var_not", "var_or", "var_pred"]
    if same:
        forms += ["join", "join", "join", "join_pred"]
        if "notvar" in features:
            forms.append("notvar")
    if env:
        forms.append("pred_only")
    if domain.is_int and ints:
        forms += ["retval", "var_retval"]
    form = rng.choice(forms)
    if form == "wild":
        return Constraint("?")
    if form == "const":
        c = rng.choice(domain.values())
        return Constraint(str(c), selective=True, constant=c)
    if form == "notconst":
        return Constraint("~" + str(rng.choice(domain.values())))
    if form == "or":
        return Constraint("|".join(map(str, literal_values(rng, domain, rng.randint(2, 3)))))
    if form == "join":
        return Constraint(rng.choice(same), selective=True)
    if form == "notvar":
        return Constraint("~" + rng.choice(same))
    if form == "join_pred":
        x = rng.choice(same)
        return Constraint(f"{x}&:{predicate_on(rng, x, domain, env)}", selective=True)
    if form == "pred_only":
        x = rng.choice(list(env))
        return Constraint(":" + predicate_on(rng, x, env[x], env))
    if form == "retval":
        return Constraint("=" + int_expr(rng, ints, domain), selective=True)
    v = new_var()
    if form == "var":
        return Constraint(v, binds=v)
    if form == "var_not":
        excluded = literal_values(rng, domain, rng.randint(1, 2))
        return Constraint(v + "".join(f"&~{c}" for c in excluded), binds=v)
    if form == "var_or":
        return Constraint(v + "&" + "|".join(map(str, literal_values(rng, domain, 2))), binds=v)
    if form == "var_retval":
        return Constraint(f"{v}&=" + int_expr(rng, ints, domain), binds=v, selective=True)
    # var_pred: the new variable tested against constants or other variables
    return Constraint(f"{v}&:" + predicate_on(rng, v, domain, env), binds=v)
