"""Random rule programs in the common rule language, and the tools that run
them in this engine and in the peer engine and compare the results."""
