;;; Found by the differential tester (seed 12, programs 1000, 1006, 1148,
;;; 1159, 1179): a multifield pattern can match one fact in several ways,
;;; binding a different element each time ($? ?x $? on (a b)) or the same
;;; bindings ($? $? on (c)). Each way is a match of its own, alone and
;;; joined with another pattern before or after it alike.
(deftemplate p (slot id) (multislot m))
(defrule alone (p (id ?i) (m $? ?x $?)) => (printout t "alone " ?i " " ?x crlf))
(defrule joined (p (id ?i) (m $? ?x $?)) (q ?j) => (printout t "joined " ?i " " ?x " " ?j crlf))
(defrule joined-unused (p (id ?i) (m $? ?x $?)) (q ?j) => (printout t "joined-unused " ?i " " ?j crlf))
(defrule joined-after (q ?j) (p (id ?i) (m $? ?x $?)) => (printout t "joined-after " ?j " " ?x crlf))
(defrule same-bindings (p (id ?i) (m $? $?)) (q ?j) => (printout t "same-bindings " ?i " " ?j crlf))
(defrule ordered (r $? ?x $?) (q ?j) => (printout t "ordered " ?x " " ?j crlf))
(deffunction main ()
   (reset)
   (assert (p (id 1) (m a b)) (p (id 2) (m c)) (q 7) (r x y))
   (run)
   (printout t ""))
(main)
(exit)
