; Deffunctions with recursion: the towers of Hanoi, Fibonacci numbers, the
; greatest common divisor and a power function, with a global move counter.
(defglobal ?*moves* = 0)
(defglobal ?*show* = TRUE)

(deffunction hanoi (?n ?from ?to ?via)
  (if (> ?n 0) then
    (hanoi (- ?n 1) ?from ?via ?to)
    (bind ?*moves* (+ ?*moves* 1))
    (if ?*show* then
      (printout t "disc " ?n " " ?from " -> " ?to crlf))
    (hanoi (- ?n 1) ?via ?to ?from)))

(deffunction fib (?n)
  (if (< ?n 2) then ?n else (+ (fib (- ?n 1)) (fib (- ?n 2)))))

(deffunction gcd (?a ?b)
  (if (= ?b 0) then ?a else (gcd ?b (mod ?a ?b))))

(deffunction power (?base ?exp)
  (if (= ?exp 0) then 1 else (* ?base (power ?base (- ?exp 1)))))

(deffunction count-down (?n)
  (if (> ?n 0) then
    (printout t " " ?n)
    (count-down (- ?n 1))))

(deffunction main ()
  (hanoi 3 left right middle)
  (printout t "moves for 3 discs: " ?*moves* crlf)
  (bind ?*moves* 0)
  (bind ?*show* FALSE)
  (hanoi 10 left right middle)
  (printout t "moves for 10 discs: " ?*moves* crlf)
  (printout t "fib 15 = " (fib 15) crlf)
  (printout t "gcd 1071 462 = " (gcd 1071 462) crlf)
  (printout t "2 to the 20 = " (power 2 20) crlf)
  (printout t "count:")
  (count-down 5)
  (printout t crlf))
(main)
(exit)
