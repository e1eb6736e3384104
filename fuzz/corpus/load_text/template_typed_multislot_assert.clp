; A typed multislot receiving a variable in an assert: the variable's values
; are known (and checked, under dynamic checks) only when the fact is asserted.
(deftemplate moves (multislot ml (type STRING)))
(defrule r
  (x $?m)
  =>
  (assert (moves (ml ?m))))
(defrule show
  (moves (ml $?all))
  =>
  (printout t "moves " (length$ ?all) crlf))
(assert (x "up" "down"))
(run)
; Constants are still checked while the text is read.
(assert (moves (ml "left")))
(assert (moves (ml left)))
