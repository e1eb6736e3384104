; Lists nested as deep as the budget allows, printed and freed.
(defglobal ?*x* = (create$))
(defglobal ?*n* = 0)
(while (< ?*n* 3000) do (bind ?*x* (create$ ?*x*)) (bind ?*n* (+ ?*n* 1)))
?*x*
(bind ?*x* 0)
