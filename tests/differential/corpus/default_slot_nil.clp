;;; A slot given no value and declaring no default holds the symbol nil: a
;;; pattern with the constant nil matches it, a variable bound to it is eq
;;; to nil, and the listing shows it. An empty multislot is listed as ().
(deftemplate p (slot w) (slot v (default 3)) (multislot m))
(defrule by-constant (p (w nil) (v ?v)) => (printout t "nil matched, v " ?v crlf))
(defrule by-variable (p (w ?x) (v ?v) (m $?m))
   => (printout t "bound " ?x " " (eq ?x nil) " " (length$ ?m) " v " ?v crlf))
(deffunction main ()
   (reset)
   (assert (p))
   (assert (p (w nil) (v 4)))
   (run)
   (facts 1)
   (printout t ""))
(main)
(exit)
