; Runs started from a rule's actions, each inside the last.
(defrule again (x ?n) => (assert (x (+ ?n 1))) (run))
(assert (x 0))
(run)
