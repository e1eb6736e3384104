;;; One fact modified in place 20000 times: the cost of retracting and
;;; re-asserting a fact through a two-pattern rule, and of the agenda churn.
(deftemplate counter (slot value (type INTEGER)) (slot limit (type INTEGER)))
(deftemplate tick (slot n (type INTEGER)))

(defrule count
   ?c <- (counter (value ?v) (limit ?l))
   (test (< ?v ?l))
   =>
   (modify ?c (value (+ ?v 1))))

(defrule done
   (counter (value ?v) (limit ?v))
   =>
   (printout t "CHECK counted " ?v crlf))

(deffacts start (counter (value 0) (limit 20000)))
(reset)
(run)
(exit)
