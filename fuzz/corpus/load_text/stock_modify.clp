; Modify loops: orders are served from stock one unit at a time until the
; order is complete or the stock runs out; a counter counts the rounds and
; a reorder rule refills stock that falls below its minimum.
(deftemplate stock (slot item) (slot qty) (slot minimum))
(deftemplate order (slot id) (slot item) (slot wanted) (slot served (default 0)))
(deftemplate rounds (slot n))

(deffacts start
  (rounds (n 0))
  (stock (item bolt) (qty 5) (minimum 2))
  (stock (item nut) (qty 1) (minimum 1))
  (order (id 1) (item bolt) (wanted 3))
  (order (id 2) (item nut) (wanted 4))
  (order (id 3) (item bolt) (wanted 4)))

(defrule serve-one
  ?o <- (order (id ?id) (item ?i) (wanted ?w) (served ?s&:(< ?s ?w)))
  (not (order (id ?other&:(< ?other ?id)) (item ?i) (wanted ?w2) (served ?s2&:(< ?s2 ?w2))))
  ?st <- (stock (item ?i) (qty ?q&:(> ?q 0)))
  ?r <- (rounds (n ?n))
  =>
  (modify ?st (qty (- ?q 1)))
  (modify ?o (served (+ ?s 1)))
  (modify ?r (n (+ ?n 1))))

(defrule reorder
  (declare (salience 10))
  ?st <- (stock (item ?i) (qty ?q) (minimum ?m&:(< ?q ?m)))
  (not (reordered ?i))
  =>
  (assert (reordered ?i))
  (printout t "reorder " ?i " at " ?q crlf)
  (modify ?st (qty (+ ?q 3))))

(defrule complete
  (declare (salience 5))
  (order (id ?id) (item ?i) (wanted ?w) (served ?w))
  =>
  (printout t "order " ?id " of " ?w " " ?i " complete" crlf))

(defrule short
  (declare (salience -10))
  (order (id ?id) (item ?i) (wanted ?w) (served ?s&~?w))
  =>
  (printout t "order " ?id " short by " (- ?w ?s) crlf))

(defrule total
  (declare (salience -20))
  (rounds (n ?n))
  =>
  (printout t ?n " units served" crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "stock run over" crlf))
(main)
(exit)
