; Multifield matching with several $? in one pattern: words are found
; before, between and after other words, pairs are swapped by a rule that
; takes the list apart and puts it together again.
(deffacts sentences
  (sentence the quick brown fox jumps over the lazy dog)
  (sentence a cat and a dog)
  (pair 3 1)
  (pair 2 2)
  (list 5 1 4 2 3))

(defrule word-between
  (sentence $?before ?first $?middle ?last $?after)
  (test (and (eq ?first the) (eq ?last the)))
  =>
  (printout t "between two the: " (length$ ?middle) " words" crlf))

(defrule words-around-dog
  (sentence $?before dog $?after)
  =>
  (printout t "dog after " (length$ ?before) " words, before " (length$ ?after) crlf))

(defrule repeated-word
  (sentence $? ?w $? ?w $?)
  =>
  (printout t "repeated: " ?w crlf))

(defrule ends-with
  (sentence $? ?last)
  (test (eq ?last dog))
  =>
  (printout t "a sentence ends with dog" crlf))

(defrule starts-with-article
  (sentence ?first&the|a $?rest&:(> (length$ ?rest) 3))
  =>
  (printout t "starts with " ?first ", " (length$ ?rest) " more" crlf))

; Sorting by swapping neighbours: the rule fires until no pair is out of order.
(defrule swap
  ?l <- (list $?head ?x ?y&:(< ?y ?x) $?tail)
  =>
  (retract ?l)
  (assert (list $?head ?y ?x $?tail)))

(defrule sorted
  (declare (salience -5))
  (list $?all)
  (not (list $? ?x ?y&:(< ?y ?x) $?))
  =>
  (printout t "sorted: " (implode$ ?all) crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "words done" crlf))
(main)
(exit)
