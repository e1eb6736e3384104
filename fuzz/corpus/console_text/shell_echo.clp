; What the console echoes: values and the non-nil results of top-level
; calls, one per line. Definitions and nil results print nothing.
abc
42
-7
3.5
(+ 1 2)
(* 2.5 2)
(deftemplate point (slot x) (slot y))
(deffunction square (?x) (* ?x ?x))
(square 12)
(defglobal ?*count* = 3)
?*count*
(bind ?*count* (+ ?*count* 1))
?*count*
(printout t "printout writes, " "and its nil result is not echoed" crlf)
(printout t "no line end here")
(printout t " -- continued" crlf)
(create$ a b c)
(assert (point (x 1) (y 2)))
; Several items on one line run one after another.
1 2 (+ 1 2)
