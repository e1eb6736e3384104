;;; A counting loop: one counter fact is changed in place with modify, and
;;; the rule that counts fires again for every new value until the limit.
;;; A second rule, of lower salience, reports when counting is over.
;;;   vettora-shell examples/countdown.clp

(deftemplate counter (slot value (type INTEGER)) (slot limit (type INTEGER)))

(deffunction factorial (?n)
   (if (<= ?n 1) then 1 else (* ?n (factorial (- ?n 1)))))

(defrule count
   ?c <- (counter (value ?v) (limit ?l))
   (test (<= ?v ?l))
   =>
   (printout t ?v "! = " (factorial ?v) crlf)
   (modify ?c (value (+ ?v 1))))

(defrule finished
   (declare (salience -10))
   (counter (value ?v) (limit ?l))
   (test (> ?v ?l))
   =>
   (printout t "counted to " ?l crlf))

(deffacts start (counter (value 1) (limit 10)))

(reset)
(run)
(exit)
