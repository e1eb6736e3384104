; The object package over the engine's own components: published
; properties read and written by name, a strategy switch seen in the order
; rules fire, classes, and a freed component used afterwards.
(get-component)
(get-properties (get-component))
(get-property (get-component) Strategy)
(get-property (get-component) FuzzyInferenceMethod)
(get-property (get-component) ResetGlobals)
(get-property (get-component) ParserMaxErrors)
(get-property (get-component) TypeChecks)
(set-property (get-component) Watch "[cwRule]")
(get-property (get-component) Watch)
(set-property (get-component) Strategy ssSideways)
(set-property (get-component) Colour red)
(get-property (get-component) Colour)
; The agenda under each strategy, shown by the order the rules fire in:
; depth-first fires the newest activation first, breadth-first the oldest.
(deffacts items (item 1) (item 2) (item 3))
(defrule take (item ?n) => (printout t "take " ?n crlf))
(reset)
(run)
(set-property (get-component) Strategy ssBreadthFirst)
(get-property (get-component) Strategy)
(reset)
(run)
(set-property (get-component) Watch "[]")
; Rules are components of the engine, found by their names.
(get-property (get-component take) Salience)
(set-property (get-component take) Salience 5)
(get-property (get-component take) Salience)
(get-components)
; Classes.
(get-class TRule)
(is-class (get-component take) (get-class TRule))
(is-class (get-component take) (get-class TComponent))
(is-class (get-component) (get-class TRule))
(get-class TWindow)
; A component made by the rules, then freed: the value that still names it
; reports it freed.
(bind ?helper (create-component TComponent (get-component)))
(set-property ?helper Name helper)
(get-property (get-component helper) Name)
(free-object ?helper)
(get-property ?helper Name)
(set-property ?helper Name again)
(get-component helper)
; What the headless host refuses.
(free-object (get-component))
(create-object TComponent)
(execute-action (get-component))
(get-property 3 Name)
