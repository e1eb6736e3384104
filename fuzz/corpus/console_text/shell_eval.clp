; Texts given with -e run in command-line order with the files, against the
; same engine: the first -e defines what this file uses, the last one sees
; what this file made.
(printout t "file: " (twice 21) crlf)
(deffunction thrice (?x) (* 3 ?x))
