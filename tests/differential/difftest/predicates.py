"""Function calls used inside rules: predicates on a field or a variable,
and integer expressions. Only integer variables meet numeric comparisons
and arithmetic, so no call can fail on a symbol."""

INT_COMPARISONS = ("<", ">", "<=", ">=", "=", "<>", "eq", "neq")

# Deffunctions every program defines when the feature "functions" is on:
# arithmetic, a nested if, bounded recursion and a predicate, called from
# constraints, tests and actions.
DEFFUNCTIONS = """(defglobal ?*limit* = 5)
(deffunction twice-plus (?a ?b) (+ (* 2 ?a) ?b))
(deffunction clamp (?a) (if (< ?a 0) then 0 else (if (> ?a 9) then 9 else ?a)))
(deffunction depth (?n) (if (<= ?n 0) then 0 else (+ 1 (depth (- ?n 1)))))
(deffunction small (?a) (< ?a ?*limit*))"""


def _calls(rng):
    # The generator's random source carries the program's features.
    return "functions" in getattr(rng, "features", ())
SYM_COMPARISONS = ("eq", "neq")


def int_const(rng, domain):
    if domain.is_int:
        return rng.randint(domain.lo - 1, domain.hi + 1)
    return rng.randint(0, 5)


def sym_const(rng, domain):
    return rng.choice(domain.symbols)


def int_expr(rng, int_vars, domain):
    """An integer expression over bound integer variables (at least one)."""
    x = rng.choice(int_vars)
    form = rng.randrange(8 if _calls(rng) else 5)
    if form == 5:
        return f"(twice-plus {x} {rng.randint(-1, 2)})"
    if form == 6:
        return f"(clamp {x})"
    if form == 7:
        return f"(depth (clamp {x}))"
    if form == 0:
        return f"(+ {x} {rng.randint(-2, 3)})"
    if form == 1:
        return f"(- {x} {rng.randint(0, 2)})"
    if form == 2:
        return f"(* {x} {rng.randint(1, 2)})"
    y = rng.choice(int_vars)
    return f"({'+' if form == 3 else '-'} {x} {y})"


def int_predicate(rng, subject, int_vars, domain):
    """A test on the integer `subject` against constants or other integer
    variables (int_vars, not containing subject)."""
    form = rng.randrange(8 if _calls(rng) else 6)
    if form == 6:
        return f"(small {subject})"
    if form == 7:
        return f"({rng.choice(INT_COMPARISONS[:6])} {subject} ?*limit*)"
    if form <= 1 or not int_vars:
        op = rng.choice(INT_COMPARISONS)
        return f"({op} {subject} {int_const(rng, domain)})"
    if form == 2:
        return f"({rng.choice(INT_COMPARISONS)} {subject} {rng.choice(int_vars)})"
    if form == 3:
        return f"({rng.choice(INT_COMPARISONS[:6])} {subject} {int_expr(rng, int_vars, domain)})"
    if form == 4:
        lo = int_const(rng, domain)
        return f"(and (>= {subject} {lo}) (<= {subject} {lo + rng.randint(0, 3)}))"
    a, b = int_const(rng, domain), int_const(rng, domain)
    return f"(or (= {subject} {a}) (= {subject} {b}) (< {subject} {rng.choice(int_vars)}))"


def sym_predicate(rng, subject, sym_vars, domain):
    form = rng.randrange(4)
    if form == 0 or not sym_vars:
        return f"({rng.choice(SYM_COMPARISONS)} {subject} {sym_const(rng, domain)})"
    if form == 1:
        return f"({rng.choice(SYM_COMPARISONS)} {subject} {rng.choice(sym_vars)})"
    if form == 2:
        return f"(not (eq {subject} {rng.choice(sym_vars)}))"
    a, b = sym_const(rng, domain), sym_const(rng, domain)
    return f"(or (eq {subject} {a}) (eq {subject} {b}))"


def predicate_on(rng, subject, domain, env):
    """A predicate on `subject` (a variable of `domain`), drawing other
    variables of the same type from env (name -> Domain)."""
    same = [v for v, d in env.items() if d.kind == domain.kind and v != subject]
    if domain.multi:
        op = rng.choice((">", "=", "<", "<>"))
        return f"({op} (length$ {subject}) {rng.randint(0, 3)})"
    if domain.is_int:
        return int_predicate(rng, subject, same, domain)
    return sym_predicate(rng, subject, same, domain)
