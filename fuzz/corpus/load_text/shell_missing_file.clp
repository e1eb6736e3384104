; A file that cannot be read is reported and the others still run; the exit
; status is 2.
(printout t "this file still runs" crlf)
