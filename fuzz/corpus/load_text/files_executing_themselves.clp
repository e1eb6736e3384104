; A file that batches itself, and one that loads itself.
(open "batch.clp" f "w") (printout f "(batch \"batch.clp\")" crlf) (close f)
(batch "batch.clp")
(open "load.clp" f "w") (printout f "(load \"load.clp\")" crlf) (close f)
(load "load.clp")
