; One firing never sees another's variables, also when the rule fires
; again and again, retracts its own fact, fails halfway or runs the engine
; from its actions.
(defglobal ?*ids* = (create$) ?*n* = 0)

; The rule retracts its fact and asserts an equal one: each firing binds
; the new fact, and fact addresses kept from earlier firings stay as they
; were.
(defrule again
   ?f <- (p ?x)
   =>
   (bind ?*n* (+ ?*n* 1))
   (bind ?*ids* (create$ ?*ids* ?f))
   (printout t "again " ?*n* " " ?f " " ?x crlf)
   (retract ?f)
   (if (< ?*n* 3) then (assert (p ?x))))
(assert (p same))
(run)
(printout t "kept " ?*ids* crlf)

; A variable bound on the right-hand side is the firing's own.
(defrule local
   (q ?x)
   =>
   (bind ?y (str-cat ?x "-" ?x))
   (printout t "local " ?x " " ?y crlf))
(assert (q a) (q b) (q c))
(run)

; An error halfway through the actions stops the run; the next firing
; starts clean with its own bindings.
(defrule halfway
   (item ?x)
   =>
   (printout t "start " ?x crlf)
   (if (eq ?x bad) then (bind ?z (+ ?x 1)))
   (printout t "end " ?x crlf))
(assert (item one))
(run)
(assert (item bad))
(run)
(assert (item two))
(run)

; A rule that runs the engine from its actions: the nested firings of the
; same rule keep the outer firing's ?x.
(defrule nested
   (n ?x&:(< ?x 3))
   =>
   (assert (n (+ ?x 1)))
   (run)
   (printout t "after " ?x crlf))
(assert (n 0))
(run)
(exit)
