; Runs examples/countdown.clp (see example_countdown.args); that program ends with
; (exit), so nothing here runs.
