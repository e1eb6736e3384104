;;; Numeric comparisons in pattern tests, join tests and test elements, on
;;; integers, floats and both mixed, at and around equality; negated tests;
;;; and values that are not numbers compared with eq instead.
(deftemplate item (slot name) (slot size) (multislot dims))
(defglobal ?*seen* = 0)

(defrule big-items
   (item (name ?n) (size ?s&:(> ?s 10)))
   =>
   (printout t "big " ?n crlf))

(defrule not-small-items
   (item (name ?n) (size ?s&~:(< ?s 10)))
   =>
   (printout t "not small " ?n crlf))

(defrule exactly-ten
   (item (name ?n) (size ?s&:(= ?s 10)))
   =>
   (printout t "ten " ?n crlf))

(defrule larger-than
   (item (name ?a) (size ?x))
   (item (name ?b) (size ?y&:(>= ?y ?x)&:(<> ?y ?x)))
   =>
   (printout t ?b " larger than " ?a crlf))

(defrule first-dim-small
   (item (name ?n) (dims ?d $?))
   (test (<= ?d 2.5))
   =>
   (printout t "first dim small " ?n crlf))

(defrule same-size
   (item (name ?a) (size ?x))
   (item (name ?b&~?a) (size ?y))
   (test (= ?x ?y))
   =>
   (bind ?*seen* (+ ?*seen* 1)))

(deffacts items
   (item (name a) (size 10) (dims 1 2))
   (item (name b) (size 10.0) (dims 2.5 1))
   (item (name c) (size 10.5) (dims 3))
   (item (name d) (size 9.99) (dims 0.5 9))
   (item (name e) (size -11) (dims -3))
   (item (name f) (size 11) (dims 2.5001)))

(deffunction main ()
   (reset)
   (run)
   (printout t "pairs of equal size " ?*seen* crlf))
(main)
(exit)
