;;; Found by the differential tester (seed 4, programs 14754 and 16693): a
;;; pattern that tests an earlier variable with ~?x on one field and with
;;; ?x on two more. The fact below agrees with ?x on one of the two only, so
;;; no pattern matches it and the negated one is not blocked by it.
(deftemplate p (slot k) (slot v) (slot w))
(defrule slots (a ?x) (p (k ~?x) (v ?x) (w ?x)) => (printout t "slots matched " ?x crlf))
(defrule slots-last (a ?x) (p (v ?x) (w ?x) (k ~?x)) => (printout t "slots-last matched " ?x crlf))
(defrule ordered (a ?x) (q ~?x ?x ?x) => (printout t "ordered matched " ?x crlf))
(defrule negated (a ?x) (not (p (k ~?x) (v ?x) (w ?x))) => (printout t "negated unblocked " ?x crlf))
(defrule by-predicate (a ?x) (p (k ?y&:(neq ?y ?x)) (v ?x) (w ?x))
   => (printout t "by-predicate matched " ?x crlf))
(deffunction main ()
   (reset)
   (assert (a 4) (p (k 3) (v 4) (w 1)) (q 3 4 1))
   (run)
   (printout t ""))
(main)
(exit)
