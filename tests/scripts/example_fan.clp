; Runs examples/fan.clp (see example_fan.args); that program ends with
; (exit), so nothing here runs.
