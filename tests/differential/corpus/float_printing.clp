;;; Floats print with as many digits as they need: 2.0, 1.5, -0.5, 1000.0,
;;; 0.333333333333333, in printout and in fact listings alike.
(deffunction main ()
   (reset)
   (assert (f 2.0 1.5 -0.5 1e3 (/ 1 3) (* 2.0 3)) (g 0.25))
   (printout t 2.0 " " 1.5 " " (/ 1 3) " " (+ 1.5 1) crlf)
   (facts 1)
   (printout t ""))
(main)
(exit)
