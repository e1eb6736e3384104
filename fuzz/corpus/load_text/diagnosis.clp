; A diagnosis dialogue: the rules ask questions, the answers come from the
; standard input (diagnosis.in), and the findings lead to one diagnosis.
(deftemplate question (slot id) (slot text) (slot asked (default no)))
(deftemplate answer (slot id) (slot value))
(deftemplate finding (slot name))

(deffacts questions
  (question (id starts) (text "Does the engine start (yes/no)? "))
  (question (id cranks) (text "Does the engine crank (yes/no)? "))
  (question (id lights) (text "Do the lights work (yes/no)? "))
  (question (id fuel) (text "Is there fuel in the tank (yes/no)? ")))

(defrule ask
  (need ?id)
  ?q <- (question (id ?id) (text ?text) (asked no))
  (not (answer (id ?id)))
  =>
  (modify ?q (asked yes))
  (printout t ?text)
  (bind ?reply (read))
  (printout t ?reply crlf)
  (assert (answer (id ?id) (value ?reply))))

(defrule start (declare (salience 10)) => (assert (need starts)))

(defrule engine-runs
  (answer (id starts) (value yes))
  =>
  (assert (finding (name engine-ok))))

(defrule no-start-ask-crank
  (answer (id starts) (value no))
  =>
  (assert (need cranks)))

(defrule cranks-ask-fuel
  (answer (id cranks) (value yes))
  =>
  (assert (need fuel)))

(defrule no-crank-ask-lights
  (answer (id cranks) (value no))
  =>
  (assert (need lights)))

(defrule dead-battery
  (answer (id cranks) (value no))
  (answer (id lights) (value no))
  =>
  (assert (finding (name battery-flat))))

(defrule bad-starter
  (answer (id cranks) (value no))
  (answer (id lights) (value yes))
  =>
  (assert (finding (name starter-faulty))))

(defrule empty-tank
  (answer (id fuel) (value no))
  =>
  (assert (finding (name tank-empty))))

(defrule fuel-but-no-start
  (answer (id fuel) (value yes))
  =>
  (assert (finding (name ignition-fault))))

(defrule report
  (declare (salience -10))
  (finding (name ?n))
  =>
  (printout t "Diagnosis: " ?n crlf))

(defrule nothing-found
  (declare (salience -20))
  (not (finding))
  =>
  (printout t "No diagnosis" crlf))

(deffunction main ()
  (reset)
  (run)
  (printout t "Dialogue over" crlf))

(main)
(main)
(exit)
