; a negated variable in a slot that sorts before the slot binding it
(deftemplate st (slot m) (slot k))
(deffacts data (st (m 1) (k 1)) (st (m 1) (k 2)) (st (m 3) (k 3)) (st (m 3) (k 4)))
(defrule differ
  (st (m ?m) (k ~?m))
  =>
  (printout t "m " ?m " differs from k" crlf))
(defrule same
  (st (k ?m) (m ?m))
  =>
  (printout t "m " ?m " equals k" crlf))
(defrule joined
  (st (m 3) (k ?x))
  (st (k ~?x) (m ?x))
  =>
  (printout t "joined " ?x crlf))
(reset)
(run)
