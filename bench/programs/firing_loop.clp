;;; The cost of one firing: a rule that retracts its fact and asserts the
;;; next one, 300,000 times (one activation, one retraction and one
;;; assertion per step, nothing left in the memories).
(defrule forever
   ?f <- (n ?x&:(< ?x 300000))
   =>
   (retract ?f)
   (assert (n (+ ?x 1))))

(defrule done
   (n 300000)
   =>
   (printout t "CHECK counted 300000" crlf))

(deffacts start (n 0))
(reset)
(run)
(exit)
