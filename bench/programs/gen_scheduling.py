#!/usr/bin/env python3
"""Writes the scheduling program: T tasks of 5 skills and 3 workers per
skill. At every tick of a clock two `not`s pick the lowest-id waiting task
of a skill and the lowest-id free worker of that skill; a task takes one
tick; an `exists` keeps the clock ticking while work is left. Every step
is a `modify` of the clock, a task or a worker, so each tick joins every
waiting task again and looks for its blocker.

    bench/programs/gen_scheduling.py T [FILE]   (FILE defaults to stdout)

Runs in vettora-shell FILE and in the peer as clips -f2 FILE </dev/null;
prints one CHECK line.
"""
import sys

import program_file

SKILLS = 5
WORKERS_PER_SKILL = 3

RULES = """\
(defglobal ?*finished* = 0)
(deftemplate task (slot id) (slot skill) (slot state) (slot start))
(deftemplate worker (slot id) (slot skill) (slot state) (slot task))
(deftemplate clock (slot time))
(defrule finish (declare (salience 20))
   (clock (time ?now))
   ?t <- (task (id ?id) (state running) (start ?s&:(< ?s ?now)))
   ?w <- (worker (state busy) (task ?id))
   => (modify ?t (state done)) (modify ?w (state free) (task none))
      (bind ?*finished* (+ ?*finished* 1)))
(defrule assign (declare (salience 10))
   (clock (time ?now))
   ?t <- (task (id ?id) (skill ?k) (state waiting))
   (not (task (id ?other&:(< ?other ?id)) (skill ?k) (state waiting)))
   ?w <- (worker (id ?wid) (skill ?k) (state free))
   (not (worker (id ?w2&:(< ?w2 ?wid)) (skill ?k) (state free)))
   => (modify ?t (state running) (start ?now)) (modify ?w (state busy) (task ?id)))
(defrule tick
   ?c <- (clock (time ?now))
   (exists (task (state waiting|running)))
   => (modify ?c (time (+ ?now 1))))
"""


def program(tasks):
    lines = [RULES.rstrip("\n"), "(deffacts work", "   (clock (time 0))"]
    for w in range(SKILLS * WORKERS_PER_SKILL):
        lines.append(f"   (worker (id {w}) (skill s{w % SKILLS}) (state free) (task none))")
    for t in range(tasks):
        lines.append(f"   (task (id {t}) (skill s{(t * 3) % SKILLS}) (state waiting) (start 0))")
    lines[-1] += ")"
    lines += [
        "(reset)",
        "(run)",
        '(printout t "CHECK finished " ?*finished* crlf)',
        "(exit)",
    ]
    return "\n".join(lines) + "\n"


def main(argv):
    (tasks, *extra), path = program_file.arguments(argv, __doc__)
    if extra:
        sys.exit(__doc__)
    program_file.write(program(tasks), path)


if __name__ == "__main__":
    main(sys.argv)
