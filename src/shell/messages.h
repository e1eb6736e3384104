#pragma once
// Message templates of the console (vettora-shell), shared by code and
// tests. Placeholders are printf-style, filled by FormatMessage.

namespace vettora {

// ---- Console -------------------------------------------------------------

inline constexpr const char* kShellName = "vettora-shell";
inline constexpr const char* kShellUsage =
    "usage: vettora-shell [OPTION]... [FILE]...\n"
    "Runs rule-language files construct by construct, then exits; with no\n"
    "FILE and no -e, reads commands interactively.\n"
    "\n"
    "  -e, --eval TEXT     execute TEXT (repeatable; runs in order with the files)\n"
    "  -i, --interactive   stay interactive after the files and texts\n"
    "  -w, --watch WHAT    watch facts, rules, activations, compilations,\n"
    "                      statistics or all (repeatable, or comma-separated)\n"
    "  -h, --help          print this help and exit\n"
    "  -v, --version       print the version and exit\n"
    "  --                  what follows is a file name, even if it starts with -\n"
    "\n"
    "A FILE of - reads standard input. Exit status: 0 when every construct\n"
    "succeeded, 1 when one failed, 2 when a file could not be read or the\n"
    "options were wrong.\n";
inline constexpr const char* kShellVersion = "vettora-shell %s\n";
inline constexpr const char* kShellBanner =
    "Vettora %s -- rule-language console. (exit) or Ctrl-D leaves.\n";
inline constexpr const char* kShellPrompt = "Vettora> ";
inline constexpr const char* kShellContinuePrompt = "     ...> ";
// A message box's answer that names none of its buttons.
inline constexpr const char* kShellDialogAnswer = "Please answer one of %s\n";

// Option errors (each followed by a hint to --help).
inline constexpr const char* kShellMissingArgument = "option %s needs an argument";
inline constexpr const char* kShellUnknownOption = "unknown option %s";
inline constexpr const char* kShellCannotWatch = "Cannot watch %s";
inline constexpr const char* kShellTryHelp = "Try 'vettora-shell --help'.";

// Files.
inline constexpr const char* kShellIsDirectory = "Cannot open file \"%s\". Is a directory";
inline constexpr const char* kShellCannotRead = "Cannot read \"%s\": %s";

// ---- End of console ------------------------------------------------------

}  // namespace vettora
