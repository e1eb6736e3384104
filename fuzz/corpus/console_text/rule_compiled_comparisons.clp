; Comparisons the matcher reads straight from facts must answer as the
; full call does, also where it cannot decide and hands over: values that
; are no numbers, a deffunction, a missing element, text holding a number.
(deftemplate item (slot name) (slot size) (multislot dims))
(deffunction bigger (?a ?b) (> ?a ?b))
(defrule big (item (name ?n) (size ?s&:(> ?s 10))) => (printout t "big " ?n crlf))
(defrule bigger-by-function (item (name ?n) (size ?s&:(bigger ?s 10))) => (printout t "bigger " ?n crlf))
(defrule second-dim (item (name ?n) (dims ?a ?b)) (test (< ?b ?a)) => (printout t "falling " ?n crlf))
(defrule pair (item (name ?a) (size ?x)) (item (name ?b) (size ?y&:(< ?x ?y))) => (printout t ?a " below " ?b crlf))
(assert (item (name a) (size 11) (dims 3 1)))
(assert (item (name b) (size "12") (dims 1 3)))
(assert (item (name c) (size 9.5) (dims 2)))
(run)
(assert (item (name d) (size large)))
(run)
(exit)
