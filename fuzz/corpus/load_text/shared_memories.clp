;;; Several rules matching the same pattern with the same joined slots, so
;;; that their joins share one memory of the pattern's facts: positive,
;;; negated, exists and self-joins; facts retracted and modified while all
;;; of them hold them; rules in the middle of the sharing ones removed,
;;; and matching going on after them.
(deftemplate item (slot group) (slot n))
(deftemplate want (slot group))

(defrule listed
   (want (group ?g))
   (item (group ?g) (n ?n))
   =>
   (printout t "listed " ?g " " ?n crlf))

(defrule big
   (want (group ?g))
   (item (group ?g) (n ?n))
   (test (> ?n 2))
   =>
   (printout t "big " ?g " " ?n crlf))

(defrule none-left
   (want (group ?g))
   (not (item (group ?g)))
   =>
   (printout t "none-left " ?g crlf))

(defrule some-left
   (want (group ?g))
   (exists (item (group ?g)))
   =>
   (printout t "some-left " ?g crlf))

(defrule ordered-pair
   (item (group ?g) (n ?a))
   (item (group ?g) (n ?b&:(< ?a ?b)))
   =>
   (printout t "pair " ?g " " ?a " " ?b crlf))

;; Facts kept aside to be changed later.
(defglobal ?*red3* = nil ?*blue2* = nil ?*blue5* = nil)

(deffunction start ()
   (reset)
   (assert (want (group red)) (want (group blue)) (want (group green)))
   (assert (item (group red) (n 1)))
   (bind ?*red3* (assert (item (group red) (n 3))))
   (assert (item (group red) (n 4)))
   (bind ?*blue2* (assert (item (group blue) (n 2))))
   (bind ?*blue5* (assert (item (group blue) (n 5))))
   (printout t "-- start" crlf)
   (run)
   (printout t "-- retract and modify" crlf)
   (retract ?*red3*)
   (bind ?*blue2* (modify ?*blue2* (group green)))
   (bind ?*blue5* (modify ?*blue5* (group green)))
   (run)
   (printout t "-- modified" crlf))
(start)

(deffunction go-on ()
   (printout t "-- the middle rules removed" crlf)
   (undefrule big)
   (undefrule none-left)
   (assert (item (group red) (n 9)))
   (retract ?*blue2* ?*blue5*)
   (run)
   (printout t "-- emptied" crlf)
   (retract *)
   (assert (want (group blue)) (item (group blue) (n 7)))
   (run)
   (printout t "-- done" crlf))
(go-on)
(exit)
