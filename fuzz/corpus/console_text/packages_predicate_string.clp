; Type tests look at the kind of a value, not its content.
(numberp 3)
(numberp "3")
(lexemep abc)
(symbolp TRUE)
(multifieldp (create$ a b))
(evenp 2.9)
(oddp -3)
(get-type (create$ a))
(evenp abc)
; Strings count characters, not bytes, and cut only whole characters.
(str-cat "Größe: " 42 " " cm)
(sym-cat a 1 "b")
(str-length "naïve café")
(sub-string 3 5 "naïve café")
(str-index "é" "naïve café")
(upcase "naïve café")
(lowcase ABC)
(str-compare "apple" "apricot")
(sub-string 0 2 "hello")
; A rule that uses the string and type tests on its facts.
(deftemplate person (slot name) (slot age))
(defrule greet
  (person (name ?n) (age ?a&:(integerp ?a)))
  =>
  (printout t (str-cat "Hello, " (upcase ?n) " (" (str-length ?n) " letters)") crlf))
(assert (person (name "zoë") (age 30)))
(assert (person (name "max") (age "unknown")))
(run)
