; A failing item prints its message on a line of its own (standard error,
; merged here after what was printed before it); the file goes on with the
; next top-level group, and the exit status is 1.
(printout t "before" crlf)
(no-such-function 1 2)
(printout t "after an unknown function" crlf)
"a string at the top level"
(printout t "after a top-level string" crlf)
(deftemplate)
(printout t "after a bad deftemplate" crlf)
(deftemplate point (slot x))
(defrule broken
   (point (x ?x))
   (printout t "a rule without its arrow"))
(printout t "after a bad rule spanning lines" crlf)
(deffunction fails () (+ 1 abc))
(fails)
(printout t "after an error inside a deffunction" crlf)
(deftemplate counter (slot n))
(defrule divide
   (counter (n ?n))
   =>
   (printout t "dividing by " ?n crlf)
   (printout t (/ 10 ?n) crlf))
(assert (counter (n 0)))
(run)
(printout t "after an error inside a rule" crlf)
(+ 1 2)
; An unclosed group takes the rest of the file with it: its error comes at
; the end.
(printout t "unclosed"
(printout t "swallowed" crlf)
