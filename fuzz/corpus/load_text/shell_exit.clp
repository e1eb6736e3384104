; (exit) ends the console at once, wherever it is raised -- here inside a
; deffunction called from a rule's actions; nothing after it runs. Every
; construct before it succeeded, so the exit status is 0.
(deffunction leave (?why)
   (printout t "leaving: " ?why crlf)
   (exit)
   (printout t "not reached" crlf))
(deftemplate step (slot n))
(defrule count
   (step (n ?n))
   =>
   (printout t "step " ?n crlf)
   (if (>= ?n 3) then (leave "enough steps"))
   (assert (step (n (+ ?n 1)))))
(assert (step (n 1)))
(run)
(printout t "not reached either" crlf)
