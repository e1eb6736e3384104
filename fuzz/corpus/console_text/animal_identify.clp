; Identification by forward chaining: observations lead to classes, classes
; and more observations lead to the animal; "|" and "~" pick among values,
; and a not-guard reports animals that no rule could name.
(deftemplate seen (slot animal) (slot feature) (slot value))
(deftemplate is (slot animal) (slot class))

(deffacts observations
  (seen (animal a1) (feature covering) (value hair))
  (seen (animal a1) (feature eats) (value meat))
  (seen (animal a1) (feature marks) (value stripes))
  (seen (animal a2) (feature covering) (value feathers))
  (seen (animal a2) (feature flies) (value no))
  (seen (animal a2) (feature neck) (value long))
  (seen (animal a3) (feature covering) (value hair))
  (seen (animal a3) (feature eats) (value grass))
  (seen (animal a3) (feature marks) (value stripes))
  (seen (animal a4) (feature covering) (value scales)))

(defrule mammal
  (seen (animal ?a) (feature covering) (value hair|fur))
  =>
  (assert (is (animal ?a) (class mammal))))

(defrule bird
  (seen (animal ?a) (feature covering) (value feathers))
  =>
  (assert (is (animal ?a) (class bird))))

(defrule carnivore
  (is (animal ?a) (class mammal))
  (seen (animal ?a) (feature eats) (value meat))
  =>
  (assert (is (animal ?a) (class carnivore))))

(defrule ungulate
  (is (animal ?a) (class mammal))
  (seen (animal ?a) (feature eats) (value ?food&~meat))
  =>
  (assert (is (animal ?a) (class ungulate))))

(defrule tiger
  (is (animal ?a) (class carnivore))
  (seen (animal ?a) (feature marks) (value stripes))
  =>
  (assert (is (animal ?a) (class tiger))))

(defrule zebra
  (is (animal ?a) (class ungulate))
  (seen (animal ?a) (feature marks) (value stripes))
  =>
  (assert (is (animal ?a) (class zebra))))

(defrule ostrich
  (is (animal ?a) (class bird))
  (seen (animal ?a) (feature flies) (value no))
  (seen (animal ?a) (feature neck) (value long))
  =>
  (assert (is (animal ?a) (class ostrich))))

(defrule name-it
  (declare (salience -10))
  (is (animal ?a) (class ?c&tiger|zebra|ostrich))
  =>
  (printout t ?a " is a " ?c crlf))

(defrule unknown
  (declare (salience -20))
  (seen (animal ?a) (feature covering))
  (not (is (animal ?a) (class tiger|zebra|ostrich)))
  =>
  (printout t ?a " is unknown" crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "identified" crlf))
(main)
(exit)
