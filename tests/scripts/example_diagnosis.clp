; Runs examples/diagnosis.clp (see example_diagnosis.args); that program ends with
; (exit), so nothing here runs.
