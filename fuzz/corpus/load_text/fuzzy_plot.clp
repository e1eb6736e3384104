; Character plots: two terms of one variable, a whole variable, and the
; refusals; an SVG drawing of the same sets. Without automatic terms the
; variable holds only its own two.
(set-fuzzy-auto-terms FALSE)
(deftype temp extends (type FUZZY)
  (range 0 100)
  (values (term cold (z 10 40))
          (term hot (s 50 90))))
(plot-fuzzy-value t "*+" 0 100 (create-fuzzy-value temp cold) (create-fuzzy-value temp hot))
(plot-fuzzy-value t ".o#" 20 60 temp)
(plot-fuzzy-value t "*" 50 50 temp)
(plot-fuzzy-value t "*+" 0 100 (create-fuzzy-value temp cold) (tri 1 2 3))
(plot-fuzzy-value "/tmp/vettora_fuzzy_plot.svg" "*+" 0 100 temp)
(open "/tmp/vettora_fuzzy_plot.svg" svg "r")
(readline svg)
(close svg)
(remove "/tmp/vettora_fuzzy_plot.svg")
