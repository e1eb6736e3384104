; A logic puzzle solved by one rule whose patterns carry the clues as
; constraints: "|" and "&" between alternatives, "~" for what is not, ":()"
; for conditions on bound values and "=()" for a value computed from them.
;   Three friends live in houses 1, 2 and 3, each with one colour and pet.
;   Ann does not live in the red house; the dog lives in the house right
;   after the green one; Bob keeps the fish or the cat but not in house 1;
;   Cid lives in house 1 or house 3; the blue house is not house 2; Ann
;   keeps neither the dog nor the cat.
(deffacts values
  (person ann) (person bob) (person cid)
  (colour red) (colour green) (colour blue)
  (pet cat) (pet dog) (pet fish)
  (house 1) (house 2) (house 3))

(defrule solve
  (house ?hc&1|3)
  (house ?ha&~?hc)
  (house ?hb&~?ha&~?hc&~1)
  (colour ?ca)
  (colour ?cb&~?ca)
  (colour ?cc&~?ca&~?cb)
  (test (neq ?ca red))
  (pet ?pa&~dog&~cat)
  (pet ?pb&fish|cat)
  (test (neq ?pb ?pa))
  (pet ?pc&~?pa&~?pb)
  ; the colour of house 2 is not blue
  (test (not (or (and (eq ?ca blue) (= ?ha 2))
                 (and (eq ?cb blue) (= ?hb 2))
                 (and (eq ?cc blue) (= ?hc 2)))))
  ; the dog's house follows the green house
  (house ?green&:(or (and (eq ?ca green) (= ?green ?ha))
                     (and (eq ?cb green) (= ?green ?hb))
                     (and (eq ?cc green) (= ?green ?hc))))
  (house ?dog&=(+ ?green 1))
  (test (or (and (eq ?pa dog) (= ?dog ?ha))
            (and (eq ?pb dog) (= ?dog ?hb))
            (and (eq ?pc dog) (= ?dog ?hc))))
  =>
  (printout t "ann: house " ?ha ", " ?ca ", " ?pa crlf)
  (printout t "bob: house " ?hb ", " ?cb ", " ?pb crlf)
  (printout t "cid: house " ?hc ", " ?cc ", " ?pc crlf))

; The same kind of constraints on ordered facts read one at a time.
(defrule classify
  (number ?n&:(> ?n 0)&~7)
  (number ?sq&=(* ?n ?n)&~?n)
  =>
  (printout t ?sq " is the square of " ?n crlf))

(defrule odd-small
  (number ?n&1|3|5|~:(> ?n 2))
  (not (number ?m&:(< ?m ?n)))
  =>
  (printout t "smallest " ?n crlf))

(deffunction main ()
  (reset)
  (run)
  (assert (number 7) (number 49) (number 3) (number 9) (number 1))
  (run)
  (printout t "solved" crlf))
(main)
(exit)
