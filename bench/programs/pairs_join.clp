;;; A join on a shared value: 400 items in 20 groups; each rule firing pairs
;;; two items of one group (7600 ordered pairs), so the join memories are
;;; probed by key on every assertion.
(deftemplate item (slot id (type INTEGER)) (slot group (type INTEGER)))
(deftemplate pair (slot a (type INTEGER)) (slot b (type INTEGER)))
(defglobal ?*pairs* = 0)

(defrule make-items
   =>
   (bind ?i 0)
   (while (< ?i 400) do
      (assert (item (id ?i) (group (mod ?i 20))))
      (bind ?i (+ ?i 1))))

(defrule pair-up
   (item (id ?a) (group ?g))
   (item (id ?b&~?a) (group ?g))
   =>
   (assert (pair (a ?a) (b ?b)))
   (bind ?*pairs* (+ ?*pairs* 1)))

(defrule report
   (declare (salience -100))
   =>
   (printout t "CHECK pairs " ?*pairs* crlf))

(reset)
(run)
(exit)
