; The six-queens puzzle by search. A board lists its queens newest first;
; every free column is tried on every unfinished board, a try that attacks
; a placed queen (same column, or a diagonal: the column differs by the
; distance in rows) is dropped at once, and the others become boards. A
; not-guard keeps a board from being made twice.
(defglobal ?*solutions* = 0)

(deffacts columns (size 6) (col 1) (col 2) (col 3) (col 4) (col 5) (col 6))

(defrule start => (assert (board)))

(defrule propose
  (size ?n)
  (board $?queens&:(< (length$ ?queens) ?n))
  (col ?c)
  =>
  (assert (try ?c $?queens)))

(defrule attacked
  (declare (salience 10))
  ?t <- (try ?c $?before ?q&:(or (= ?q ?c) (= (abs (- ?q ?c)) (+ (length$ ?before) 1))) $?)
  =>
  (retract ?t))

(defrule accept
  ?t <- (try ?c $?queens)
  (not (board ?c $?queens))
  =>
  (retract ?t)
  (assert (board ?c $?queens)))

(defrule solved
  (size ?n)
  (board $?queens&:(= (length$ ?queens) ?n))
  =>
  (bind ?*solutions* (+ ?*solutions* 1)))

(defrule found
  (declare (salience -10))
  (board 5 3 1 6 4 2)
  =>
  (printout t "found 2 4 6 1 3 5" crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "solutions for six queens: " ?*solutions* crlf))
(main)
(exit)
