;;; A fact listing shows a template's slots in the order the template
;;; declares them, whatever order an assert gives them in.
(deftemplate p (slot zz) (slot v) (slot id))
(deffunction main ()
   (reset)
   (assert (p (zz 1) (v 2) (id 3)))
   (assert (p (id 4) (v 5) (zz 6)))
   (facts 1)
   (printout t ""))
(main)
(exit)
