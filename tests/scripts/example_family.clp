; Runs examples/family.clp (see example_family.args); that program ends with
; (exit), so nothing here runs.
