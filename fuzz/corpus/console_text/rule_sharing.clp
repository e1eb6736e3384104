; Network sharing as rules come, go and come again: each compilation trace
; shows which nodes a rule made (+) and which it shared (=), so sharing that
; an index failed to find, or found wrongly, shows up here. The firings
; check that shared nodes still match for every rule using them.
(watch compilations)
(deftemplate item (slot id (type INTEGER)) (slot name) (multislot tags))
(deftemplate link (slot from (type INTEGER)) (slot to (type INTEGER)) (slot kind))

; A call in an element test compares the slot through a variable of its
; own, so each rule makes its own node, whatever calls came before.
(defrule call-a (item (id ?x) (name =(+ 1 2))) => (printout t "call-a " ?x crlf))
(defrule call-b (item (id ?x) (name =(+ 1 2))) => (printout t "call-b " ?x crlf))
(defrule call-c (item (id ?x) (name =(- 4 1))) => (printout t "call-c " ?x crlf))
(defrule call-d (item (id ?x) (name =(+ 1 2.0))) => (printout t "call-d " ?x crlf))
(defrule call-h (item (id ?x) (name =(+ 1 (* 1 2)))) => (printout t "call-h " ?x crlf))
(defrule call-i (item (id ?x) (name =(+ 1 (* 1 2)))) => (printout t "call-i " ?x crlf))

; Joins on the same two inputs with the same tests are shared; a negated
; pattern, a call between patterns or other inputs make new ones.
(defrule join-a (item (id ?x) (name ~none)) (link (from ?x) (kind near)) => (printout t "join-a " ?x crlf))
(defrule join-b (item (id ?x) (name ~none)) (link (from ?x) (kind near)) => (printout t "join-b " ?x crlf))
(defrule join-c (item (id ?x) (name ~none)) (link (from ?x) (kind far)) => (printout t "join-c " ?x crlf))
(defrule join-d (item (id ?x) (name ~none)) (link (to ?x) (kind near)) => (printout t "join-d " ?x crlf))
(defrule join-e (item (id ?x) (name ~none)) (not (link (from ?x) (kind near))) => (printout t "join-e " ?x crlf))
(defrule join-f (item (id ?x) (name ~none)) (not (link (from ?x) (kind near))) => (printout t "join-f " ?x crlf))
(defrule join-g (item (id ?x) (name ~none)) (link (from ?y&:(= ?y ?x)) (kind near)) => (printout t "join-g " ?x crlf))
(defrule join-h (item (id ?x) (name ~none)) (link (from ?y&:(= ?y ?x)) (kind near)) => (printout t "join-h " ?x crlf))

; A rule redefined under its own name shares what it shared before; rules
; whose names differ only in case are two rules.
(defrule join-b (item (id ?x) (name ~none)) (link (from ?x) (kind near)) => (printout t "join-b again " ?x crlf))
(defrule Join-B (item (id ?x) (name ~none)) (link (from ?x) (kind near)) => (printout t "Join-B " ?x crlf))

; Once every user of a node is gone, the next rule makes it again and the
; one after shares it.
(undefrule call-a)
(undefrule call-b)
(defrule call-j (item (id ?x) (name =(+ 1 2))) => (printout t "call-j " ?x crlf))
(defrule call-k (item (id ?x) (name =(+ 1 2))) => (printout t "call-k " ?x crlf))
(undefrule join-a)
(undefrule join-b)
(undefrule Join-B)
(defrule join-i (item (id ?x) (name ~none)) (link (from ?x) (kind near)) => (printout t "join-i " ?x crlf))
(defrule join-j (item (id ?x) (name ~none)) (link (from ?x) (kind near)) => (printout t "join-j " ?x crlf))

(assert (item (id 1) (name 3)))
(assert (item (id 2) (name 5)))
(assert (item (id 3) (name 3.0)))
(assert (link (from 1) (to 2) (kind near)))
(assert (link (from 2) (to 1) (kind far)))
(run)
(rules)

; After a clear, the same rules are made afresh, then shared again.
(clear)
(deftemplate item (slot id (type INTEGER)) (slot name) (multislot tags))
(defrule call-a (item (id ?x) (name =(+ 1 2))) => (printout t "call-a " ?x crlf))
(defrule call-b (item (id ?x) (name =(+ 1 2))) => (printout t "call-b " ?x crlf))
(assert (item (id 4) (name 3)))
(run)
