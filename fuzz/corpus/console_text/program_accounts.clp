; A small whole program: accounts and transfers. Transfers are applied in
; order of priority (salience from the fact), refused when they would
; overdraw, and a summary runs last.
(deftemplate account (slot owner) (slot balance (type INTEGER) (default 0)))
(deftemplate transfer (slot from) (slot to) (slot amount (type INTEGER)) (slot id (type INTEGER)))
(defglobal ?*refused* = 0 ?*moved* = 0)

(deffacts bank
   (account (owner ann) (balance 100))
   (account (owner bob) (balance 20))
   (account (owner cy))
   (transfer (from ann) (to bob) (amount 30) (id 1))
   (transfer (from bob) (to cy) (amount 45) (id 2))
   (transfer (from cy) (to ann) (amount 500) (id 3)))

; The lowest id goes first: the agenda puts the newest activation first
; among equals, so each transfer's id must be checked against the others.
(defrule apply-transfer
   ?t <- (transfer (from ?f) (to ?to) (amount ?n) (id ?id))
   (not (transfer (id ?other&:(< ?other ?id))))
   ?a <- (account (owner ?f) (balance ?fb&:(>= ?fb ?n)))
   ?b <- (account (owner ?to) (balance ?tb))
   =>
   (retract ?t)
   (modify ?a (balance (- ?fb ?n)))
   (modify ?b (balance (+ ?tb ?n)))
   (bind ?*moved* (+ ?*moved* ?n))
   (printout t "transfer " ?id ": " ?n " from " ?f " to " ?to crlf))

(defrule refuse-transfer
   ?t <- (transfer (from ?f) (amount ?n) (id ?id))
   (not (transfer (id ?other&:(< ?other ?id))))
   (account (owner ?f) (balance ?fb&:(< ?fb ?n)))
   =>
   (retract ?t)
   (bind ?*refused* (+ ?*refused* 1))
   (printout t "transfer " ?id " refused: " ?f " has only " ?fb crlf))

(defrule summary
   (declare (salience -100))
   =>
   (printout t "moved " ?*moved* ", refused " ?*refused* crlf))

(defrule balance
   (declare (salience -200))
   (account (owner ?o) (balance ?b))
   =>
   (printout t "  " ?o ": " ?b crlf))

(reset)
(run)
; A second run with nothing on the agenda fires nothing.
(run)
; Facts and globals start again from the deffacts on reset.
(reset)
?*moved*
