;;; Found by the differential tester (seed 20, program 3437): a pattern
;;; that compares one earlier variable at a fixed place (k ?y) and another
;;; after a $? (m $? ?x $?), where the place of the compared field differs
;;; from fact to fact. (p (k 1) (m b c)) agrees with both variables, so it
;;; matches, it satisfies the exists and it blocks the negations.
(deftemplate p (slot k) (multislot m))
(defrule positive (a ?x) (b ?y) (p (k ?y) (m $? ?x $?)) => (printout t "positive" crlf))
(defrule positive-last (a ?x) (b ?y) (p (k ?y) (m $? ?x)) => (printout t "positive-last (no)" crlf))
(defrule exists-one (a ?x) (b ?y) (exists (p (k ?y) (m $? ?x $?))) => (printout t "exists-one" crlf))
(defrule negated (a ?x) (b ?y) (not (p (k ?y) (m $? ?x $?))) => (printout t "negated (no)" crlf))
(defrule negated-ordered (a ?x) (b ?y) (not (q ?y $? ?x $?)) => (printout t "negated-ordered (no)" crlf))
(defrule negated-first (a ?x) (b ?y) (not (p (k ?y) (m ?x $?))) => (printout t "negated-first (no)" crlf))
(deffunction main ()
   (reset)
   (assert (a b) (b 1) (p (k 1) (m b c)) (q 1 b c))
   (run)
   (printout t ""))
(main)
(exit)
