; exit evaluated while a construct is read ends the program: no parse error
; is reported and nothing after it runs.
(printout t "before" crlf)
(deftype temp extends (type FUZZY) (range 0 10) (values (term a (exit))))
(printout t "still running" crlf)
