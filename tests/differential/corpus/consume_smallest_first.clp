;;; Found by the differential tester (seed 3, program 841): a rule that
;;; consumes 148 facts smallest first, blocked through a negation whose
;;; test compares with the consumed fact's variables (<= and ~ on one slot,
;;; a return-value constraint on another), and a second negation keyed on
;;; an equality. All 148 facts go; the count shows each firing once.
(defglobal ?*n* = 0)
(deftemplate p1 (slot k) (slot v) (slot w))
(deffacts base (anchor 1) (anchor 2))
(defrule start
   (declare (salience 5000))
   =>
   (bind ?i 1) (while (<= ?i 26) do (assert (pad1 ?i)) (bind ?i (+ ?i 1)))
   (bind ?i 1) (while (<= ?i 148) do (assert (p1 (k ?i) (v ?i) (w ?i))) (bind ?i (+ ?i 1))))
(defrule r1
   (declare (salience 900))
   ?f <- (p1 (k ?x2) (v ?x1) (w ~81))
   (not (p1 (k ~?x2) (v ?x3&~?x1&:(<= ?x3 ?x1)) (w =(- ?x3 0))))
   (not (p1 (k ?x2) (v 166|168) (w ~94)))
   =>
   (retract ?f)
   (bind ?*n* (+ ?*n* 1)))
(deffunction main ()
   (reset)
   (run)
   (printout t "count " ?*n* crlf)
   (facts 1 2)
   (facts 27 200)
   (printout t ""))
(main)
(exit)
