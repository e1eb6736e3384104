; parse of a text that parses itself.
(deffunction self () (parse "(self)"))
(self)
