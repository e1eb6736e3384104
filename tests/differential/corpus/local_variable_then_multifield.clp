;;; Found by the differential tester (seed 40, programs 1676, 11438, 43770
;;; and others): a variable local to a `not` or an `exists` says nothing
;;; about a variable of the same name bound after it, also when that one
;;; is a multifield variable.
(defrule after-not (not (q ?x c)) (r $?x) => (printout t "after-not " (length$ ?x) crlf))
(defrule after-exists (exists (q ?x)) (r $?x) => (printout t "after-exists " (length$ ?x) crlf))
(defrule single-after-not (not (q ?x c)) (p ?x) => (printout t "single-after-not " ?x crlf))
(deffunction main ()
   (reset)
   (assert (q 1) (p 2) (r a b))
   (run)
   (printout t ""))
(main)
(exit)
