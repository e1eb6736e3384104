;;; Many rules testing one slot against their own constants: a fact reaches
;;; the rules of its value, whatever the kind of the value (integers,
;;; floats, symbols and strings of the same text are different constants),
;;; and still every rule that tests the slot otherwise, in the order the
;;; rules were made. A modify moves a fact from one rule's constant to
;;; another's, and a rule removed takes its activations with it. Each rule
;;; has a salience of its own; lines are compared as a set, as the order of
;;; one rule's activations for facts asserted together is left open.
(deftemplate item (slot k) (slot tag))

(defrule int-1 (declare (salience 59)) (item (k 1) (tag ?t)) => (printout t "int-1 " ?t crlf))
(defrule int-2 (declare (salience 58)) (item (k 2) (tag ?t)) => (printout t "int-2 " ?t crlf))
(defrule int-3 (declare (salience 57)) (item (k 3) (tag ?t)) => (printout t "int-3 " ?t crlf))
(defrule float-3 (declare (salience 56)) (item (k 3.0) (tag ?t)) => (printout t "float-3 " ?t crlf))
(defrule zero (declare (salience 55)) (item (k 0) (tag ?t)) => (printout t "zero " ?t crlf))
(defrule symbol-three (declare (salience 53)) (item (k three) (tag ?t)) => (printout t "symbol-three " ?t crlf))
(defrule string-three (declare (salience 52)) (item (k "three") (tag ?t)) => (printout t "string-three " ?t crlf))
(defrule not-three (declare (salience 51)) (item (k ~three) (tag ?t)) => (printout t "not-three " ?t crlf))
(defrule big (declare (salience 50)) (item (k ?k&:(and (numberp ?k) (> ?k 2))) (tag ?t))
   => (printout t "big " ?t crlf))
(defrule any (declare (salience 49)) (item (k ?k) (tag ?t)) => (printout t "any " ?t crlf))
(defrule int-1-again (declare (salience 48)) (item (k 1) (tag ?t)) => (printout t "int-1-again " ?t crlf))
(defrule tagged-a (declare (salience 47)) (item (tag a)) => (printout t "tagged-a" crlf))

(defrule move (declare (salience 100))
   ?f <- (move ?from ?to) ?i <- (item (k ?from))
   => (retract ?f) (modify ?i (k ?to)))

(deffunction show (?title)
   (printout t "-- " ?title crlf)
   (run))

(deffunction main ()
   (reset)
   (assert (item (k 1) (tag a)) (item (k 3) (tag b)) (item (k 3.0) (tag c))
           (item (k three) (tag d)) (item (k "three") (tag e)) (item (k 0.0) (tag f))
           (item (k 7) (tag g)))
   (show "asserted")
   (assert (move 7 2))
   (show "moved 7 to 2")
   (assert (move 2 three))
   (show "moved 2 to three")
   (assert (item (k 1) (tag h)))
   (undefrule int-1)
   (show "rule removed before its activation fired")
   (printout t ""))

(main)
(exit)
