; Templates with extends (this engine's own construct): a child template
; starts with a copy of every parent slot, can give an inherited slot a new
; default, and adds slots of its own. Patterns on the parent do not match
; the child's facts: each fact belongs to its own template.
(deftemplate person (slot name) (slot age (default 0)) (multislot skills))
(deftemplate employee extends person (slot salary (default 1000)) (slot age (default 18)))
(deftemplate manager extends employee (multislot reports))

(deffacts staff
  (person (name pat) (age 40) (skills cooking))
  (employee (name eve) (skills c lisp))
  (employee (name ed) (age 33) (salary 2500) (skills prolog))
  (manager (name mia) (age 50) (salary 4000) (reports eve ed) (skills planning)))

(defrule persons
  (person (name ?n) (age ?a))
  =>
  (printout t "person " ?n ", " ?a crlf))

(defrule employees
  (employee (name ?n) (age ?a) (salary ?s) (skills $?k))
  =>
  (printout t "employee " ?n ", " ?a ", " ?s ", " (length$ ?k) " skills" crlf))

(defrule managers
  (manager (name ?n) (reports $? ?r $?) (salary ?s))
  (employee (name ?r) (salary ?rs&:(< ?rs ?s)))
  =>
  (printout t ?n " manages " ?r ", who earns " ?rs crlf))

(defrule raise
  (declare (salience -5))
  ?e <- (employee (name ?n) (age ?a&:(< ?a 30)) (salary ?s&:(< ?s 2000)))
  =>
  (modify ?e (salary (+ ?s 500)) (age 30))
  (printout t "raise for " ?n crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "staff done" crlf))
(main)
(exit)
