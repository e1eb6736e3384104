; read and readline take standard input (shell_read.in): read takes one
; token and drops the rest of its line; readline takes a whole line.
(printout t "name? ")
(bind ?name (read))
(printout t "hello " ?name crlf)
(bind ?line (readline))
(printout t "line: [" ?line "]" crlf)
(deffunction next-number ()
   (printout t "number? ")
   (+ (read) 1))
(next-number)
; At the end of the input both give EOF.
(read)
(readline)
; A call that returns EOF does not end the file.
(printout t "still running" crlf)
