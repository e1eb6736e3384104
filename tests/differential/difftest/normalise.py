"""The comparison of two outputs of one program.

Only the printing differences the two engines are known to have are
undone, as tests/compat/run_compat.sh does: CR LF line ends, the blank
this engine prints before a multifield's closing parenthesis. Fact ids are
dropped from listings, and lines are compared as a sorted list: which id a
fact gets and the order in which rules print depend on the order in which
activations of equal salience fire, which the generated programs leave
open on purpose (their set of printed lines and their final facts do
not depend on it). run_corpus.sh applies the same rules."""
import re

_FACT_ID = re.compile(r"^f-[0-9]+ +")


def normalise_line(line):
    line = line.rstrip("\r")
    line = line.replace(" )", ")")
    return _FACT_ID.sub("", line)


def normalise(text):
    return sorted(normalise_line(l) for l in text.split("\n") if l.strip() != "")
