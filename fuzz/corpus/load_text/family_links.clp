; Fact-address joins: children refer to their parents by fact address, and
; rules follow those links forwards and backwards, positive and negated.
(deftemplate person (slot name) (slot born))
(deftemplate child-of (slot child) (slot parent))

(defrule link-children
  (declare (salience 10))
  (family ?kid ?mum)
  ?k <- (person (name ?kid))
  ?m <- (person (name ?mum))
  =>
  (assert (child-of (child ?k) (parent ?m))))

(defrule parent-of
  ?c <- (person (name ?child) (born ?year))
  ?p <- (person (name ?parent))
  (child-of (child ?c) (parent ?p))
  =>
  (printout t ?parent " is a parent of " ?child " (born " ?year ")" crlf))

(defrule grandparent
  ?c <- (person (name ?cname))
  ?g <- (person (name ?gname))
  ?p <- (person)
  (child-of (parent ?g) (child ?p))
  (child-of (parent ?p) (child ?c))
  =>
  (printout t ?gname " is a grandparent of " ?cname crlf))

(defrule siblings
  ?a <- (person (name ?an) (born ?ay))
  ?b <- (person (name ?bn) (born ?by&:(> ?by ?ay)))
  (child-of (child ?a) (parent ?p))
  (child-of (child ?b) (parent ?p))
  =>
  (printout t ?an " and " ?bn " are siblings" crlf))

(defrule not-olgas
  (declare (salience -3))
  ?o <- (person (name olga))
  ?c <- (person (name ?n))
  (child-of (child ?c) (parent ~?o))
  =>
  (printout t ?n " is not a child of olga" crlf))

(defrule childless
  (declare (salience -5))
  ?p <- (person (name ?name))
  (not (child-of (parent ?p)))
  =>
  (printout t ?name " has no children" crlf))

(deffacts people
  (person (name olga) (born 1930))
  (person (name pia) (born 1958))
  (person (name quinn) (born 1985))
  (person (name rob) (born 1988))
  (family pia olga)
  (family quinn pia)
  (family rob pia))

(deffunction main ()
  (reset)
  (run)
  (printout t "links followed" crlf))
(main)
(exit)
