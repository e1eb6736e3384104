;;; Joins on several equality tests at once: partial matches that agree on
;;; the first compared value but not on the others, negations keyed on two
;;; slots, and many facts sharing one value (long chains of equal keys whose
;;; members leave from the front, the middle and the back).
(deftemplate cell (slot row) (slot col) (slot colour))
(deftemplate mark (slot row) (slot col))
(deftemplate block (slot row) (slot col))
(defglobal ?*pairs* = 0 ?*cleared* = 0 ?*blocks* = 0)

(defrule marked-cell
   (cell (row ?r) (col ?c) (colour ?k))
   (mark (row ?r) (col ?c))
   =>
   (printout t "marked " ?r " " ?c " " ?k crlf))

(defrule unblocked-mark
   (mark (row ?r) (col ?c))
   (not (block (row ?r) (col ?c)))
   =>
   (printout t "unblocked " ?r " " ?c crlf))

(defrule same-colour-same-row
   (cell (row ?r) (col ?c1) (colour ?k))
   (cell (row ?r) (col ?c2&:(< ?c1 ?c2)) (colour ?k))
   =>
   (bind ?*pairs* (+ ?*pairs* 1)))

(defrule any-block-in-row
   (mark (row ?r) (col ?c))
   (exists (block (row ?r)))
   =>
   (printout t "row has a block " ?r " " ?c crlf))

;; Forty marks in one row share the row value; blocks on every third.
(defrule fill-row
   (declare (salience -10))
   ?p <- (phase fill)
   =>
   (retract ?p)
   (printout t "pairs " ?*pairs* crlf)
   (bind ?c 1)
   (while (<= ?c 40) do
      (assert (mark (row 5) (col ?c)))
      (if (= (mod ?c 3) 0) then (assert (block (row 5) (col ?c))))
      (bind ?c (+ ?c 1)))
   (assert (phase unblock)))

;; Blocks leave from the front, the middle and the back of their row's
;; chain; one blocker moves to the next mark.
(defrule unblock
   (declare (salience -5))
   (phase unblock)
   ?b <- (block (row 5) (col 3|21|39))
   =>
   (retract ?b))

(defrule move-block
   (declare (salience -10))
   ?p <- (phase unblock)
   ?b <- (block (row 5) (col 6))
   =>
   (retract ?p)
   (modify ?b (col 7))
   (assert (phase clear)))

(defrule clear-row
   (declare (salience -5))
   (phase clear)
   ?m <- (mark (row 5))
   =>
   (retract ?m)
   (bind ?*cleared* (+ ?*cleared* 1)))

(defrule report
   (declare (salience -10))
   ?p <- (phase clear)
   =>
   (retract ?p)
   (printout t "cleared " ?*cleared* crlf))

(defrule count-blocks
   (declare (salience -20))
   (block)
   =>
   (bind ?*blocks* (+ ?*blocks* 1)))

(deffacts grid
   (cell (row 1) (col 1) (colour red))
   (cell (row 1) (col 2) (colour blue))
   (cell (row 1) (col 3) (colour red))
   (cell (row 2) (col 1) (colour red))
   (cell (row 2) (col 2) (colour red))
   (cell (row 2) (col 3) (colour blue))
   (mark (row 1) (col 2))
   (mark (row 2) (col 1))
   (mark (row 1) (col 9))
   (block (row 1) (col 9))
   (phase fill))

(deffunction main ()
  (reset)
  (run)
  (printout t "blocks left " ?*blocks* crlf))
(main)
(exit)
