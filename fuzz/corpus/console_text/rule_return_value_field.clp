; a return-value constraint stands for one field
(deftemplate sq (slot side) (multislot sides))
(deffacts data (side 3) (pos 9) (pos 10) (sq (side 3) (sides 3 9 4)))
(defrule square
  (side ?s)
  (pos ?c&=(* ?s ?s))
  =>
  (printout t "square " ?c crlf))
(defrule not-square
  (side ?s)
  (pos ?c&~=(* ?s ?s))
  =>
  (printout t "not square " ?c crlf))
(defrule bare
  (side ?s)
  (pos =(* ?s ?s))
  =>
  (printout t "bare square" crlf))
(defrule in-multislot
  (sq (side ?s) (sides ?s ?c&=(* ?s ?s) $?rest))
  =>
  (printout t "multislot " ?c " " (length$ ?rest) crlf))
(reset)
(run)
