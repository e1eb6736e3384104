; Reachability and shortest hops in a directed graph: a not-guard keeps each
; place from being reached twice, so the first (fewest hops) distance wins;
; not and exists find dead ends and roads.
(deffacts roads
  (road a b) (road b c) (road c d) (road a e) (road e d) (road d f)
  (road g a) (start a))

(defrule begin
  (start ?s)
  =>
  (assert (reached ?s 0)))

(defrule step
  (reached ?x ?d)
  (road ?x ?y)
  (not (reached ?y ?))
  =>
  (assert (reached ?y (+ ?d 1))))

(defrule report
  (declare (salience -10))
  (reached ?x ?d&~0)
  =>
  (printout t ?x " at " ?d " hops" crlf))

(defrule unreachable
  (declare (salience -10))
  (road ?x ?)
  (not (reached ?x ?))
  =>
  (printout t ?x " cannot be reached" crlf))

(defrule dead-end
  (declare (salience -20))
  (reached ?x ?)
  (not (road ?x ?))
  =>
  (printout t ?x " is a dead end" crlf))

(defrule has-exit
  (declare (salience -30))
  (exists (road ?x g))
  =>
  (printout t "some road leads to g" crlf))

(defrule no-loop
  (declare (salience -30))
  (not (road ?x ?x))
  =>
  (printout t "no road loops" crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "graph done" crlf))
(main)
(exit)
