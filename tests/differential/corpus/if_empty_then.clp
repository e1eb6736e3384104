;;; Found while reducing a differing program: an `if` whose `then` branch
;;; is empty still runs its `else` branch when the condition is false.
(deffunction main ()
   (bind ?i 1)
   (while (<= ?i 3) do
      (if (= (mod ?i 2) 0) then else (printout t "odd " ?i crlf))
      (bind ?i (+ ?i 1)))
   (if FALSE then else (printout t "else ran" crlf))
   (if TRUE then else (printout t "never" crlf))
   (printout t ""))
(main)
(exit)
