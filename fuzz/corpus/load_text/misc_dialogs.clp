; The dialogs ask on the console and read their answers from standard
; input: a typed text, an empty line for the default, a button's word in
; any case (an unknown word asks again); at the end of the input a dialog
; is cancelled.
(input-box "Applicant" "Name?" "nobody")
(input-box "Applicant" "City?" "Leeds")
(message-dlg "Save the changes?" mtConfirmation "[mbYes, mbNo, mbCancel]")
(message-dlg "Disk almost full" mtWarning "[mbOK]")
(show-message "Assessment done")
(message-dlg "Bad type" mtNothing "[mbOK]")
(input-query "Applicant" "Age?")
(input-box "Applicant" "Title?" "clerk")
