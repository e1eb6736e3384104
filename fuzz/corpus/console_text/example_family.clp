;;; Family tree: from who is whose parent, the rules derive grandparents,
;;; siblings and cousins, and print each relation once.
;;;   vettora-shell examples/family.clp

(deftemplate parent-of "a parent and one child" (slot parent) (slot child))
(deftemplate sibling (slot a) (slot b))
(deftemplate cousin (slot a) (slot b))

(deffacts family
   (parent-of (parent ann) (child bob))
   (parent-of (parent ann) (child cid))
   (parent-of (parent bob) (child dee))
   (parent-of (parent bob) (child eve))
   (parent-of (parent cid) (child fay)))

;; Two parent-of facts through the same person make a grandparent.
(defrule grandparent
   (parent-of (parent ?g) (child ?p))
   (parent-of (parent ?p) (child ?c))
   =>
   (printout t ?g " is a grandparent of " ?c crlf))

;; Children of one parent are siblings; the pair is kept in one order only.
(defrule siblings
   (parent-of (parent ?p) (child ?a))
   (parent-of (parent ?p) (child ?b&~?a))
   (not (sibling (a ?b) (b ?a)))
   =>
   (assert (sibling (a ?a) (b ?b)))
   (printout t ?a " and " ?b " are siblings" crlf))

;; Children of siblings are cousins.
(defrule cousins
   (sibling (a ?x) (b ?y))
   (parent-of (parent ?x) (child ?c1))
   (parent-of (parent ?y) (child ?c2))
   =>
   (assert (cousin (a ?c1) (b ?c2)))
   (printout t ?c1 " and " ?c2 " are cousins" crlf))

(reset)
(run)
(exit)
