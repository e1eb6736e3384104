"""Runs programs in both engines and classifies each one."""
import difflib
import os

from .batch import batch_text, single_text, split_output
from .engines import run_text
from .errors import peer_failed
from .normalise import normalise

SAME, DIFFERENT, PEER_FAILED, BATCH_ONLY = "same", "different", "peer-failed", "batch-only"


def verdict(peer, ours):
    """SAME, DIFFERENT or PEER_FAILED for the two outputs of one program
    (None: no output, a time-out or a crash)."""
    if peer is None or peer_failed(peer):
        return PEER_FAILED
    if ours is None or normalise(peer) != normalise(ours):
        return DIFFERENT
    return SAME


def run_single(text, timeout):
    peer = run_text("peer", single_text(text), timeout)
    ours = run_text("ours", single_text(text), timeout)
    return (None if peer.timed_out else peer.text), \
        (None if ours.timed_out else ours.text)


def run_batch(programs, timeout):
    """programs: list of (number, text). Returns a list of
    (number, text, verdict, peer output, our output). A program that
    differs in the batch is run again on its own, so that a program before
    it cannot be the cause; one that then agrees is BATCH_ONLY."""
    text = batch_text(programs)
    peer = split_output(run_text("peer", text, timeout).text)
    ours = split_output(run_text("ours", text, timeout).text)
    results = []
    for number, program in programs:
        v = verdict(peer.get(number), ours.get(number))
        p, o = peer.get(number), ours.get(number)
        if v != SAME:
            p, o = run_single(program, timeout / 2)
            alone = verdict(p, o)
            v = BATCH_ONLY if (alone == SAME and v == DIFFERENT) else alone
        results.append((number, program, v, p, o))
    return results


def unified(peer, ours):
    a = normalise(peer or "(no output)")
    b = normalise(ours or "(no output)")
    return "\n".join(difflib.unified_diff(a, b, "peer (normalised, sorted)",
                                          "ours (normalised, sorted)", lineterm=""))


def keep(directory, name, program, peer, ours):
    os.makedirs(directory, exist_ok=True)
    base = os.path.join(directory, name)
    with open(base + ".clp", "w") as f:
        f.write(program)
    for suffix, out in ((".peer.out", peer), (".ours.out", ours)):
        with open(base + suffix, "w") as f:
            f.write(out if out is not None else "(no output: time-out)\n")
    with open(base + ".diff", "w") as f:
        f.write(unified(peer, ours) + "\n")
