;;; A negated join keyed on an equality test (the skill) looks for its
;;; blocker among the facts of that skill only. The guard "no waiting task
;;; of the same skill with a smaller id" is checked as tasks are taken in
;;; order, as blockers leave by retract and by modify, and as new smaller
;;; tasks arrive, also ones asserted in descending order.
(deftemplate task (slot id) (slot skill) (slot state))

(defrule lowest (declare (salience 10))
   (pick ?k)
   (task (id ?id) (skill ?k) (state waiting))
   (not (task (id ?o&:(< ?o ?id)) (skill ?k) (state waiting)))
   => (printout t "lowest " ?k " " ?id crlf))

(defrule take (declare (salience 5))
   ?p <- (pick ?k)
   ?t <- (task (id ?id) (skill ?k) (state waiting))
   (not (task (id ?o&:(< ?o ?id)) (skill ?k) (state waiting)))
   => (retract ?p) (modify ?t (state running)))

(defrule none-left
   (pick ?k)
   (not (task (skill ?k) (state waiting)))
   => (printout t "none left " ?k crlf))

(defrule drop (declare (salience 100))
   ?d <- (drop ?k ?id) ?t <- (task (id ?id) (skill ?k))
   => (retract ?d ?t))

(deffunction pick (?k)
   (assert (pick ?k))
   (run))

(deffunction main ()
   (reset)
   (assert (task (id 5) (skill a) (state waiting)) (task (id 3) (skill b) (state waiting))
           (task (id 4) (skill a) (state waiting)) (task (id 9) (skill a) (state waiting))
           (task (id 1) (skill b) (state waiting)) (task (id 8) (skill a) (state waiting)))
   (pick a)
   (pick b)
   (assert (task (id 2) (skill a) (state waiting)))
   (pick a)
   (bind ?i 20)
   (while (> ?i 10) do (assert (task (id ?i) (skill c) (state waiting))) (bind ?i (- ?i 1)))
   (pick c)
   (pick c)
   (assert (drop a 8))
   (pick a)
   (pick a)
   (pick a)
   (pick b)
   (pick b)
   (printout t ""))

(main)
(exit)
