; --watch facts,rules (see shell_watch.args) traces assertions and firings.
(deftemplate light (slot colour))
(defrule next
   ?l <- (light (colour red))
   =>
   (retract ?l)
   (assert (light (colour green))))
(assert (light (colour red)))
(run)
