"""Recognises error messages in the peer's output: a program the peer
rejects or fails on is a fault of the generator, not a difference."""
import re

_PEER_ERROR = re.compile(r"^\[[A-Z]+[0-9]+\]|ERROR|Syntax Error|^\s*Defrule \S+ ", re.M)


def peer_failed(text):
    return bool(_PEER_ERROR.search(text))
