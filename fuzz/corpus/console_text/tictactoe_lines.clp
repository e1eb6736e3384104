; Winning lines on a tic-tac-toe board held as one multifield: patterns
; with several $? pick cells at fixed distances, and not-guards find the
; moves that complete or block a line.
(deffacts boards
  (board b1 x o x
            o x o
            o x x)
  (board b2 o x x
            o x -
            o - x)
  (board b3 o o -
            x x x
            - - o)
  (board b4 x o x
            x o o
            o x x)
  (board b5 - o o
            - o x
            o x x))

(defrule row
  (board ?b $?before&:(= (mod (length$ ?before) 3) 0) ?m&x|o ?m ?m $?)
  =>
  (printout t ?b ": " ?m " wins a row" crlf))

(defrule column
  (board ?b $? ?m&x|o ? ? ?m ? ? ?m $?)
  =>
  (printout t ?b ": " ?m " wins a column" crlf))

(defrule diagonal
  (board ?b ?m&x|o ? ? ? ?m ? ? ? ?m)
  =>
  (printout t ?b ": " ?m " wins a diagonal" crlf))

(defrule anti-diagonal
  (board ?b ? ? ?m&x|o ? ?m ? ?m ? ?)
  =>
  (printout t ?b ": " ?m " wins the other diagonal" crlf))

(defrule free-cells
  (declare (salience -10))
  (board ?b $?cells)
  (test (member$ - ?cells))
  =>
  (printout t ?b ": still open" crlf))

(defrule full
  (declare (salience -10))
  (board ?b $?cells)
  (not (board ?b $? - $?))
  =>
  (printout t ?b ": full" crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "boards checked" crlf))
(main)
(exit)
