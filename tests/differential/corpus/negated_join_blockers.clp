;;; A negated join whose blockers are the facts its rule consumes: each
;;; firing retracts the smallest p and so unblocks the next one. The done
;;; rule may fire only when no p is left, and none is left to print. Forty
;;; padding facts come first, so the p facts do not start at id 1.
(deftemplate p (slot v) (slot id))
(defrule start =>
   (bind ?i 1) (while (<= ?i 40) do (assert (pad ?i)) (bind ?i (+ ?i 1)))
   (assert (phase x))
   (bind ?i 1) (while (<= ?i 81) do (assert (p (v any) (id ?i))) (bind ?i (+ ?i 1))))
(defrule consume (declare (salience 10))
   (phase x) ?f <- (p (v any) (id ?id)) (not (p (v any) (id ?i2&:(< ?i2 ?id))))
   => (retract ?f))
(defrule done (declare (salience 10))
   ?f <- (phase x) (not (p (v any)))
   => (printout t "done" crlf) (retract ?f))
(defrule left (declare (salience -10)) (p (v any) (id ?id)) => (printout t "left " ?id crlf))
(deffunction main () (reset) (run) (facts 39 45) (printout t ""))
(main)
(exit)
