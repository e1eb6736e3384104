;;; A fuzzy fan controller: the room temperature is a fuzzy value, the
;;; rules relate temperature terms to fan-speed terms, and each rule fires
;;; with the strength its pattern matches with. The conclusions are merged
;;; into one fan-speed fact (the union of what every rule concluded, each
;;; cut to its rule's strength), which is defuzzified into a setting.
;;;   vettora-shell examples/fan.clp

(set-fuzzy-auto-terms FALSE)

(deftype temperature extends (type FUZZY)
   (range 0 40)
   (units celsius)
   (values (term cold (z 10 18))
           (term comfortable (pi 21 5))
           (term hot (s 24 32))))

(deftype fan-speed extends (type FUZZY)
   (range 0 100)
   (units percent)
   (values (term slow (z 10 40))
           (term medium (tri 30 50 70))
           (term fast (s 60 90))))

(deftemplate room (slot name) (slot temperature (type temperature)))
(deftemplate fan (slot room) (slot speed (type fan-speed)))

(defrule cold-room-slow-fan
   (room (name ?r) (temperature cold))
   =>
   (assert (fan (room ?r) (speed slow))))

(defrule comfortable-room-medium-fan
   (room (name ?r) (temperature comfortable))
   =>
   (assert (fan (room ?r) (speed medium))))

(defrule hot-room-fast-fan
   (room (name ?r) (temperature very hot))
   =>
   (assert (fan (room ?r) (speed fast))))

(defrule set-the-fan
   (declare (salience -10))
   (fan (room ?r) (speed ?s))
   =>
   (bind ?setting (moment-defuzzify ?s))
   (maximum-defuzzify ?s)
   (printout t ?r ": fan at " ?setting " " (get-u-units ?s)
               ", strongest rule matched with " (get-compatibility-index ?s) crlf))

(deffacts rooms
   (room (name study) (temperature (tri 24 27 30)))
   (room (name cellar) (temperature (pi 12 3)))
   (room (name attic) (temperature (s 28 36))))

(reset)
(watch rules)
(run)
(unwatch rules)
(plot-fuzzy-value t "sm+" 0 100 fan-speed)
(exit)
