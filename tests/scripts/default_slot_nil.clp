; A slot given no default holds nil: a pattern on the constant nil matches
; it, a variable bound to it is the symbol nil, and the template prints as
; written. A multislot given no default is empty.
(deftemplate p (slot w) (slot v (default 3)) (multislot m))
(defrule by-constant (p (w nil) (v ?v)) => (printout t "nil matched, v " ?v crlf))
(defrule by-variable (p (w ?x) (v ?v) (m $?m))
   => (printout t "v " ?v ": " (get-type ?x) " " (eq ?x nil) " " (length$ ?m) crlf))
(defrule not-nil (p (w ~nil) (v ?v)) => (printout t "not nil, v " ?v crlf))
(deffunction main ()
   (reset)
   (assert (p))
   (assert (p (w nil) (v 4)))
   (assert (p (w 1) (v 5)))
   (run))
(main)
(ppdeftemplate p)
