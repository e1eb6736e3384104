; A small program exercising the left-hand side: not, exists, test,
; multifield slots, a modify loop, a recursive deffunction and globals.
(defglobal ?*fired* = 0)
(deffunction fact (?n) (if (<= ?n 1) then 1 else (* ?n (fact (- ?n 1)))))
(deftemplate item (slot name) (multislot tags) (slot qty (type INTEGER)))
(deftemplate counter (slot n (type INTEGER)))
(deffacts stock
  (item (name bolt) (tags metal small) (qty 3))
  (item (name plank) (tags wood) (qty 0))
  (item (name nut) (tags metal small) (qty 5))
  (counter (n 0)))
(defrule empty-item
  (item (name ?n) (qty 0))
  =>
  (bind ?*fired* (+ ?*fired* 1))
  (printout t ?n " is out of stock" crlf))
(defrule some-metal
  (exists (item (tags $? metal $?)))
  =>
  (printout t "there is metal" crlf))
(defrule no-glass
  (not (item (tags $? glass $?)))
  =>
  (printout t "no glass" crlf))
(defrule large-stock
  (item (name ?n) (qty ?q))
  (test (> ?q 4))
  =>
  (printout t ?n " has " ?q crlf))
(defrule count-up
  ?c <- (counter (n ?n&:(< ?n 3)))
  =>
  (modify ?c (n (+ ?n 1))))
(defrule counted
  (counter (n 3))
  =>
  (printout t "counted to 3, 5! = " (fact 5) crlf))
(reset)
(run)
(printout t "empty items: " ?*fired* crlf)
(printout t (length$ (create$ a b c)) " " (nth$ 1 (create$ a b c)) " "
          (subseq$ (create$ a b c d) 1 2) " " (member$ c (create$ a b c)) crlf)
(printout t (implode$ (create$ x "y" 3)) crlf)
(try (throw "boom") catch (printout t "caught boom" crlf))
