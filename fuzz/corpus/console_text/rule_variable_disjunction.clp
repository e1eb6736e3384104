; a disjunction whose first alternative is a variable
(deffacts data (pick 1 2) (item 1) (item 2) (item 3))
(defrule either
  (pick ?a ?b)
  (item ?a | ?b)
  =>
  (printout t "some item is picked" crlf))
(defrule either-bound
  (pick ?a ?b)
  (item ?v&?a|?b)
  =>
  (printout t "item " ?v " is picked" crlf))
(defrule neither
  (pick ?a ?b)
  (not (item ?a | ?b))
  =>
  (printout t "no item is picked" crlf))
(defrule lead-variable
  (pick ?a ?b)
  (item ?v&red|?a)
  =>
  (printout t "lead " ?v crlf))
(reset)
(run)
