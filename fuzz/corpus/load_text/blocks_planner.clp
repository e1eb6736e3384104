; A planner with goals: to put one block on another, both must be clear;
; a goal to clear a block makes a goal to move away what lies on it. Goals
; are facts; achieved goals are retracted.
(deftemplate on (slot top) (slot below))
(deftemplate goal (slot action) (slot block) (slot target))

(deffacts world
  (block a) (block b) (block c) (block d)
  (on (top a) (below table))
  (on (top b) (below a))
  (on (top c) (below b))
  (on (top d) (below table))
  (goal (action put) (block a) (target d)))

(defrule put-when-clear
  ?g <- (goal (action put) (block ?x) (target ?y))
  (not (on (below ?x)))
  (not (on (below ?y)))
  ?o <- (on (top ?x) (below ?from))
  =>
  (retract ?g)
  (modify ?o (below ?y))
  (printout t "move " ?x " from " ?from " onto " ?y crlf))

(defrule clear-the-block
  (goal (action put) (block ?x) (target ?y))
  (on (top ?z) (below ?x|?y))
  (not (goal (action clear) (block ?z)))
  =>
  (assert (goal (action clear) (block ?z))))

(defrule clear-to-table
  (declare (salience 5))
  ?g <- (goal (action clear) (block ?z))
  (not (on (below ?z)))
  ?o <- (on (top ?z) (below ?from&~table))
  =>
  (retract ?g)
  (modify ?o (below table))
  (printout t "move " ?z " from " ?from " to the table" crlf))

(defrule subgoal
  (declare (salience 10))
  (goal (action clear) (block ?z))
  (on (top ?w) (below ?z))
  (not (goal (action clear) (block ?w)))
  =>
  (assert (goal (action clear) (block ?w))))

(defrule report
  (declare (salience -10))
  (on (top ?x) (below ?y))
  =>
  (printout t ?x " is on " ?y crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "plan done" crlf))
(main)
(exit)
