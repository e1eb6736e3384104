;;; Found by the differential tester (seed 12, programs 1006 and 1159): a
;;; multislot pattern with two $? matches a one-element value in two ways
;;; (the element in the first or in the second wildcard). Each way is a
;;; match of its own, alone and joined with another pattern alike.
(deftemplate p (slot id) (multislot m))
(defrule alone (p (id ?i) (m $? $?)) => (printout t "alone " ?i crlf))
(defrule joined (p (id ?i) (m $? $?)) (p (id ?j)) => (printout t "joined " ?i " " ?j crlf))
(defrule joined-after (q ?j) (p (id ?i) (m $? $?)) => (printout t "joined-after " ?j " " ?i crlf))
(defrule ordered-joined (r $? $?) (q ?j) => (printout t "ordered-joined " ?j crlf))
(deffunction main ()
   (reset)
   (assert (p (id 1) (m c)) (p (id 2) (m c)) (q 7) (r x))
   (run)
   (printout t ""))
(main)
(exit)
