; Negated joins and exists under additions and removals of blocking facts:
; several blockers leaving one by one, a partial match blocked by its own
; fact, a modified blocker, exists and a double negation, and negated
; patterns whose test is not an equality.
(defglobal ?*b1* = nil ?*b2* = nil ?*b3* = nil ?*w* = nil ?*n5* = nil ?*n7* = nil)
(deftemplate item (slot id))
(deftemplate block (slot id) (slot weight (type INTEGER)))
(defrule free
  (item (id ?i))
  (not (block (id ?i)))
  =>
  (printout t "free " ?i crlf))
(defrule light
  (item (id ?i))
  (not (block (id ?i) (weight ?w&:(> ?w 5))))
  =>
  (printout t "light " ?i crlf))
(defrule blocked
  (item (id ?i))
  (exists (block (id ?i)))
  =>
  (printout t "blocked " ?i crlf))
(defrule twice-negated
  (item (id ?i))
  (not (not (block (id ?i) (weight 1))))
  =>
  (printout t "weight one on " ?i crlf))
(defrule top
  (num ?x)
  (not (num ?y&:(> ?y ?x)))
  =>
  (printout t "top " ?x crlf))
(defrule at-least-self
  (num ?x)
  (not (num ?y&:(>= ?y ?x)))
  =>
  (printout t "never " ?x crlf))
(watch activations)
(reset)
(assert (item (id a)) (item (id b)))
(run)
(printout t "-- three blockers on a" crlf)
(bind ?*b1* (assert (block (id a) (weight 1))))
(bind ?*b2* (assert (block (id a) (weight 7))))
(bind ?*b3* (assert (block (id a) (weight 3))))
(run)
(printout t "-- the middle and the newest leave" crlf)
(retract ?*b2*)
(retract ?*b3*)
(run)
(printout t "-- the last one leaves" crlf)
(retract ?*b1*)
(run)
(printout t "-- a modified blocker" crlf)
(bind ?*w* (assert (block (id b) (weight 9))))
(run)
(bind ?*w* (modify ?*w* (weight 1)))
(run)
(bind ?*w* (modify ?*w* (id a)))
(run)
(retract ?*w*)
(run)
(printout t "-- blocked by its own fact" crlf)
(bind ?*n5* (assert (num 5)))
(run)
(bind ?*n7* (assert (num 7)))
(run)
(assert (num 6))
(retract ?*n7*)
(run)
(retract ?*n5*)
(assert (num 2))
(run)
