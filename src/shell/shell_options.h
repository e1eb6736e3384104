#pragma once
// TShellOptions: what the console was asked to do, read from its command
// line. Files and texts (-e) keep their command-line order, because they run
// in that order against one engine.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/construct_watch.h"

namespace vettora {

enum TShellInputKind : uint8_t { sikFile, sikText };

// One thing to run: a file name ("-" is standard input) or a text.
struct TShellInput {
  TShellInputKind Kind = sikFile;
  std::string Value;
};

struct TShellOptions {
  std::vector<TShellInput> Inputs;
  // -i, or implied when there is nothing else to run.
  bool Interactive = false;
  TConstructWatches Watch;
  bool Help = false;
  bool Version = false;
  // Set when the command line is wrong; the console then prints it with a
  // hint and exits with status 2.
  std::string Error;
};

// Reads the arguments after the program name.
[[nodiscard]] TShellOptions ParseShellOptions(const std::vector<std::string>& args);

// Adds the watches a keyword names ("facts", "rules", "activations",
// "compilations", "statistics", "all"); several may be separated by commas.
// False, with `bad` set to the offending word, for an unknown keyword.
[[nodiscard]] bool AddWatchKeywords(const std::string& words, TConstructWatches& watch,
                                    std::string& bad);

}  // namespace vettora
