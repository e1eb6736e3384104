;;; Why won't the car start? The rules ask yes/no questions on standard
;;; input, record each answer as a fact, and follow the answers to a fault.
;;;   vettora-shell examples/diagnosis.clp
;;; or, answering from a file or pipe:
;;;   printf 'no\nyes\n' | vettora-shell examples/diagnosis.clp

(deftemplate answer (slot question) (slot value))
(deftemplate fault (slot name) (slot advice))

;; Asks until the answer is yes or no; the end of the input counts as no.
(deffunction ask (?question)
   (printout t ?question " (yes/no) ")
   (bind ?reply (read))
   (while (and (neq ?reply yes) (neq ?reply no) (neq ?reply EOF)) do
      (printout t "Please answer yes or no: ")
      (bind ?reply (read)))
   (if (eq ?reply EOF) then (bind ?reply no) (printout t crlf))
   (assert (answer (question ?question) (value ?reply))))

(defrule start
   =>
   (ask "Does the engine turn over?"))

(defrule not-turning
   (answer (question "Does the engine turn over?") (value no))
   =>
   (ask "Do the headlights come on brightly?"))

(defrule flat-battery
   (answer (question "Do the headlights come on brightly?") (value no))
   =>
   (assert (fault (name "flat battery") (advice "charge or replace the battery"))))

(defrule starter
   (answer (question "Do the headlights come on brightly?") (value yes))
   =>
   (assert (fault (name "starter motor") (advice "have the starter motor checked"))))

(defrule turning
   (answer (question "Does the engine turn over?") (value yes))
   =>
   (ask "Is there fuel in the tank?"))

(defrule no-fuel
   (answer (question "Is there fuel in the tank?") (value no))
   =>
   (assert (fault (name "empty tank") (advice "fill the tank"))))

(defrule fuel
   (answer (question "Is there fuel in the tank?") (value yes))
   =>
   (ask "Can you smell fuel?"))

(defrule flooded
   (answer (question "Can you smell fuel?") (value yes))
   =>
   (assert (fault (name "flooded engine") (advice "wait ten minutes, then try again"))))

(defrule ignition
   (answer (question "Can you smell fuel?") (value no))
   =>
   (assert (fault (name "ignition") (advice "have the spark plugs and leads checked"))))

;; The report waits until no question is pending.
(defrule report
   (declare (salience -10))
   (fault (name ?name) (advice ?advice))
   =>
   (printout t "Likely fault: " ?name crlf "Advice: " ?advice crlf))

(reset)
(run)
(exit)
