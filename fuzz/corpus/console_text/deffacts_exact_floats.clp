;;; Floats in a deffacts keep every digit, in slots, multislots and the
;;; arguments of calls, although listings print them with four decimals.
(deftemplate m (slot v) (multislot w))
(deffacts d
   (m (v 2.50001) (w 1e-07 abc 0.333333333))
   (m (v (+ 0.00001 1.00002)) (w 123456789.123)))
(defrule exact-slot
   (m (v ?v&:(= ?v 2.50001)))
   =>
   (printout t "slot 2.50001 kept" crlf))
(defrule exact-elements
   (m (w ?a&:(= ?a 1e-07) abc ?t&:(= ?t 0.333333333)))
   =>
   (printout t "multislot 1e-07 and 0.333333333 kept" crlf))
(defrule exact-call
   (m (v ?v&:(= ?v 1.00003)) (w ?big&:(= ?big 123456789.123)))
   =>
   (printout t "call arguments and 123456789.123 kept" crlf))
(reset)
(run)
(ppdeffacts d)
(exit)
