"""Reading a program into nested lists of atoms and writing it back, for
the reducer. Comments are dropped; strings stay single atoms."""


def tokens(text):
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c in " \t\r\n":
            i += 1
        elif c == ";":
            while i < n and text[i] != "\n":
                i += 1
        elif c in "()":
            yield c
            i += 1
        elif c == '"':
            j = i + 1
            while j < n and text[j] != '"':
                j += 2 if text[j] == "\\" else 1
            yield text[i:j + 1]
            i = j + 1
        else:
            # An atom runs on through strings inside it: ?x&"a"|"b c".
            j = i
            while j < n and text[j] not in ' \t\r\n();':
                if text[j] == '"':
                    j += 1
                    while j < n and text[j] != '"':
                        j += 2 if text[j] == "\\" else 1
                j += 1
            yield text[i:j]
            i = j


def parse(text):
    """The top-level forms of text, each an atom or a list."""
    stack = [[]]
    for tok in tokens(text):
        if tok == "(":
            stack.append([])
        elif tok == ")":
            done = stack.pop()
            stack[-1].append(done)
        else:
            stack[-1].append(tok)
    return stack[0]


def flat(node):
    """One line; a constraint's `:` or `=` stays glued to its call (not a
    call of the function `=`)."""
    if isinstance(node, str):
        return node
    out = ""
    for i, x in enumerate(node):
        if i and not (i > 1 and isinstance(x, list) and out.endswith((":", "="))):
            out += " "
        out += flat(x)
    return "(" + out + ")"


def render_form(form):
    """A top-level form; a rule or a function gets one line per element."""
    if isinstance(form, list) and form and form[0] in ("defrule", "deffunction", "deffacts"):
        head = 3 if form[0] == "deffunction" else 2
        lines = ["(" + " ".join(flat(x) for x in form[:head])]
        lines += ["   " + flat(x) for x in form[head:]]
        return "\n".join(lines) + ")"
    return flat(form)


def render(forms):
    return "\n".join(render_form(f) for f in forms) + "\n"
