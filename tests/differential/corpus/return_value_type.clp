;;; A return-value constraint =(...) requires the field to hold the very
;;; value the call returns, type included, as a join on a variable does:
;;; the float 1.0 is not the integer 1 there (while (= 1 1.0) is TRUE).
(defrule by-return-value (n ?x ?name) (m =(+ ?x 0) ?other)
   => (printout t "return value: " ?name " " ?other crlf))
(defrule by-variable (n ?x ?name) (m ?x ?other)
   => (printout t "variable: " ?name " " ?other crlf))
(defrule by-test (n ?x ?name) (m ?y ?other) (test (= ?x ?y))
   => (printout t "numeric test: " ?name " " ?other crlf))
(deffunction main ()
   (reset)
   (assert (n 1.0 float-one) (m 1 int-one) (n 2 int-two) (m 2.0 float-two) (n 3 int-three) (m 3 int-three))
   (run)
   (printout t ""))
(main)
(exit)
