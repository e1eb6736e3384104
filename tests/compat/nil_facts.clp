;;; nil written in a fact is a field like any other: facts of a deffacts
;;; keep it through reset, and patterns on nil, on a slot holding nil and
;;; on a variable bound to it all match.
(deftemplate node (slot name) (slot next))
(deffacts d
   (current nil)
   (node (name q10) (next nil))
   (pair nil nil))

(defrule current-nil
   (current nil)
   =>
   (printout t "current is nil" crlf))

(defrule current-any
   (current ?x)
   =>
   (printout t "current holds nil: " (eq ?x nil) crlf))

(defrule last-node
   (node (name ?n) (next nil))
   =>
   (printout t ?n " is the last node" crlf))

(defrule pair-of-nils
   (pair ?a ?a)
   =>
   (printout t "a pair of equal fields" crlf))

(defrule asserted-nil
   (later nil)
   =>
   (printout t "asserted nil matches too" crlf))

(deffunction main ()
   (reset)
   (assert (later nil))
   (run)
   (printout t "run over" crlf))

(main)
(exit)
