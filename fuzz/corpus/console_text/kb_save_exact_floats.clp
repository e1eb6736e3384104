; A saved knowledge base keeps every digit of its floats: a template's
; default, a fact set, a global, a deffunction and a rule's constant,
; although listings print floats with four decimals.
(deftemplate rate (slot v (default 0.00125)))
(deffacts rates (rate) (rate (v 2.50001)))
(defglobal ?*limit* = 1.00003)
(deffunction tiny () 1e-07)
(defrule show (rate (v ?v)) => (printout t "rate x 100000: " (integer (* ?v 100000)) crlf))
(defrule constant (rate (v 0.00125)) => (printout t "rule constant 0.00125 matched" crlf))
(defrule others
  (rate (v 2.50001))
  =>
  (printout t "limit x 100000: " (integer (* ?*limit* 100000))
              ", tiny x 1e9: " (integer (* (tiny) 1e9)) crlf))
(save "/tmp/vettora_kb_save_exact_floats.clp")
(clear)
(load "/tmp/vettora_kb_save_exact_floats.clp")
(reset)
(run)
(remove "/tmp/vettora_kb_save_exact_floats.clp")
