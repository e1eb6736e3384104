;;; The last line of a fact listing: "1 fact." for one fact, and nothing at
;;; all when the range holds no fact. The initial fact is (initial-fact).
(deffunction main ()
   (reset)
   (assert (a 1))
   (facts 1)
   (facts 5)
   (facts 0 0)
   (printout t ""))
(main)
(exit)
