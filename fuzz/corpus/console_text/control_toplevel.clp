; A return typed at the top level ends only its own command: later loops
; and conditionals run whole.
(return 5)
(bind ?i 0)
(while (< ?i 3) do (bind ?i (+ ?i 1)))
(printout t "i = " ?i crlf)
(if (> ?i 2) then (printout t "first" crlf) (printout t "second" crlf))
; try and catch around an error, then a thrown text.
(try (printout t (/ 1 0) crlf) catch (printout t "caught" crlf))
(foreach x (create$ a b c) (printout t ?x " "))
(printout t crlf)
; format with every common directive and a %n line break.
(format t "%d|%5d|%-5d|%f|%.2f|%s|%e%n" 42 7 7 3.5 2.345 "text" 12345.678)
(format t "%d items%n" 3)
