"""Constraints on one field of a pattern: literals, variables (new ones
bind, bound ones join), `~`, `|`, `&`, `:(...)` and `=(...)`."""
from dataclasses import dataclass

from .predicates import int_expr, predicate_on


@dataclass
class Constraint:
    text: str
    binds: str = None       # the variable this constraint binds, if any
    wild: bool = False      # matches anything: a template may leave it out
    selective: bool = False  # narrows the field to about one value
    constant: object = None  # the literal it requires, when it is just one
    bound_domain: object = None  # the domain of what it binds, if not the field's


def literal_values(rng, domain, n):
    values = domain.values()
    return rng.sample(values, min(n, len(values)))


def multi_constraint(rng, domain, env, new_var, single, features):
    """A constraint for a multislot. Several of them match one fact in more
    than one way (a floating `$? ?x $?`); with `single` the ones that would
    bind a different value in each way are left out. A variable bound to
    the whole multifield is named ?x in env and in calls, $?x in patterns."""
    from .schema import SYM
    multis = [v for v, d in env.items() if d.kind == "multi"]
    atoms = [v for v, d in env.items() if d.kind == "atom"]
    sym = rng.choice(domain.symbols)
    forms = ["any", "one", "contains", "starts", "first", "last", "bind", "literal"]
    forms += ["join"] * 2 if multis else []
    forms += ["contains_var"] if atoms and "compare_after_wildcard" in features else []
    forms += [] if single or "several_ways" not in features else ["floating"]
    form = rng.choice(forms)
    if form == "any":
        return Constraint("$?", wild=True)
    if form == "one":
        return Constraint("?")
    if form == "contains":
        return Constraint(f"$? {sym} $?")
    if form == "starts":
        return Constraint(f"{sym} $?")
    if form == "literal":
        return Constraint(rng.choice(domain.values()), selective=True)
    if form == "join":
        return Constraint("$" + rng.choice(multis), selective=True)
    if form == "contains_var":
        return Constraint(f"$? {rng.choice(atoms)} $?")
    v = new_var()
    if form == "bind":
        return Constraint("$" + v, binds=v, bound_domain=domain)
    text = {"first": f"{v} $?", "last": f"$? {v}", "floating": f"$? {v} $?"}[form]
    return Constraint(text, binds=v, bound_domain=SYM)


def field_constraint(rng, domain, env, new_var, features, single=False):
    """A constraint for a field of `domain`; env maps the variables visible
    here to their domains; new_var() names a fresh variable."""
    if domain.multi:
        return multi_constraint(rng, domain, env, new_var, single, features)
    same = [v for v, d in env.items() if d.kind == domain.kind]
    ints = [v for v, d in env.items() if d.kind == "int"]
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
        return Constraint("?", wild=True)
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
