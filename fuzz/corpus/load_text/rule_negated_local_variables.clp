; variables first bound inside not/exists are local to that pattern
(deffacts data (a 3) (a 1) (a 2) (b 20) (b 10) (c 7))
(defrule smallest
  (a ?x)
  (not (a ?p&:(< ?p ?x)))
  (b ?y)
  (not (b ?p&:(< ?p ?y)))
  =>
  (printout t "smallest a " ?x ", smallest b " ?y crlf))
(defrule reuse-after-not
  (a ?x)
  (not (a ?p&:(> ?p ?x)))
  (c ?p)
  =>
  (printout t "largest a " ?x ", c " ?p crlf))
(defrule reuse-after-exists
  (exists (b ?q&:(> ?q 15)))
  (c ?q)
  =>
  (printout t "some b over 15, c " ?q crlf))
(reset)
(run)
