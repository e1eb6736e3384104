;;; A negated join must stay blocked while any fact that passes its tests
;;; remains, however the facts are spread over the join's memory. The ids
;;; are consumed from the lowest: each step retracts the partial match's
;;; blocker-free fact and sends the others looking for a new blocker. Pad
;;; facts shift the fact ids (and so where the facts are filed); the p facts
;;; come before or after the phase fact, in ascending or descending ids.
(deftemplate p (slot v) (slot id))
(deftemplate trial (slot pads) (slot order))

(deffunction add-pads (?n)
   (bind ?i 1)
   (while (<= ?i ?n) do (assert (pad ?i)) (bind ?i (+ ?i 1))))

(deffunction add-ps (?descending)
   (bind ?i 1)
   (while (<= ?i 81) do
      (if ?descending
         then (assert (p (v any) (id (- 82 ?i))))
         else (assert (p (v any) (id ?i))))
      (bind ?i (+ ?i 1))))

(defrule start
   (trial (pads ?n) (order ?o))
   =>
   (add-pads ?n)
   (if (eq ?o ps-last) then (assert (phase x)))
   (add-ps (eq ?o descending))
   (if (neq ?o ps-last) then (assert (phase x))))

(defrule consume (declare (salience 10))
   (phase x)
   ?f <- (p (v any) (id ?id))
   (not (p (v any) (id ?i2&:(< ?i2 ?id))))
   =>
   (retract ?f))

(defrule done (declare (salience 10))
   ?f <- (phase x)
   (not (p (v any)))
   =>
   (printout t "done" crlf)
   (retract ?f))

(defrule left (declare (salience -10))
   (p (v any) (id ?id))
   =>
   (printout t "left " ?id crlf))

(deffunction run-trial (?pads ?order)
   (reset)
   (assert (trial (pads ?pads) (order ?order)))
   (printout t ?pads " pads, " ?order ": ")
   (run))

(deffunction all-pads (?order)
   (run-trial 0 ?order) (run-trial 1 ?order) (run-trial 10 ?order)
   (run-trial 20 ?order) (run-trial 40 ?order) (run-trial 100 ?order)
   (run-trial 101 ?order) (run-trial 202 ?order))

(deffunction main ()
   (all-pads ps-last)
   (all-pads ps-first)
   (all-pads descending)
   (printout t "all trials run" crlf))

(main)
(exit)
