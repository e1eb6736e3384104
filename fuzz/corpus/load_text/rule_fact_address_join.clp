; A fact-address variable joined with a slot of a later pattern, equal and
; negated, and the reverse: a slot value bound first, the address later.
(deftemplate node (slot name))
(deftemplate ref (slot id) (slot label))
(defrule link
  ?n <- (node (name ?name))
  (ref (id ?n) (label ?l))
  =>
  (printout t "ref " ?l " points at " ?name crlf))
(defrule other
  ?n <- (node (name ?name))
  (ref (id ~?n) (label ?l))
  =>
  (printout t "ref " ?l " does not point at " ?name crlf))
(defrule make-refs
  ?a <- (node (name alpha))
  ?b <- (node (name beta))
  =>
  (assert (ref (id ?a) (label r1)))
  (assert (ref (id ?b) (label r2))))
(defrule reverse
  (ref (id ?n) (label ?l))
  ?n <- (node (name ?name))
  =>
  (printout t "reverse: " ?l " -> " ?name crlf))
(deffacts nodes (node (name alpha)) (node (name beta)))
(reset)
(run)
