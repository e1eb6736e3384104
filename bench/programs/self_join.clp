;;; A self-join of 100,000 two-slot facts: every fact shares its key with
;;; exactly one other, so the join makes 100,000 ordered pairs through hashed
;;; memories of 100,000 tokens each.
(deftemplate pt (slot id (type INTEGER)) (slot k (type INTEGER)))
(defglobal ?*pairs* = 0)

(defrule make-points
   =>
   (bind ?i 0)
   (while (< ?i 100000) do
      (assert (pt (id ?i) (k (div ?i 2))))
      (bind ?i (+ ?i 1))))

(defrule pair
   (pt (id ?a) (k ?k))
   (pt (id ?b&~?a) (k ?k))
   =>
   (bind ?*pairs* (+ ?*pairs* 1)))

(defrule report
   (declare (salience -100))
   =>
   (printout t "CHECK pairs " ?*pairs* crlf))

(reset)
(run)
(exit)
