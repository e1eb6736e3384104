; "-" runs standard input (shell_stdin.in) as a program before this file;
; its reads take the input lines that follow them.
(printout t "file after stdin: " ?*from-stdin* crlf)
