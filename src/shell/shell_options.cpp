// TShellOptions: the command-line reader of the console.
#include "shell/shell_options.h"

#include <string_view>

#include "shell/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

bool AddWatchKeyword(std::string_view word, TConstructWatches& watch) {
  struct TKeyword {
    std::string_view Name;
    TConstructWatch Member;
  };
  static constexpr TKeyword kKeywords[] = {
      {"facts", cwFact},
      {"rules", cwRule},
      {"activations", cwActivation},
      {"compilations", cwCompilation},
      {"statistics", cwStatistics},
  };
  if (word == "all") {
    watch = TConstructWatches::All();
    return true;
  }
  for (const TKeyword& keyword : kKeywords) {
    if (keyword.Name == word) {
      watch.Include(keyword.Member);
      return true;
    }
  }
  return false;
}

// Reads the value of an option that takes one: the rest of "--opt=value",
// else the next argument. False when there is none.
bool OptionValue(const std::vector<std::string>& args, size_t& i, std::string_view inlineValue,
                 bool hasInline, std::string& value) {
  if (hasInline) {
    value = std::string(inlineValue);
    return true;
  }
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

// Handles one option argument; false when the command line is wrong, with
// options.Error set.
bool ReadOption(const std::vector<std::string>& args, size_t& i, TShellOptions& options) {
  std::string_view arg = args[i];
  std::string_view name = arg;
  std::string_view inlineValue;
  bool hasInline = false;
  if (size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
    name = arg.substr(0, eq);
    inlineValue = arg.substr(eq + 1);
    hasInline = true;
  }
  if (name == "-h" || name == "--help") {
    options.Help = true;
  } else if (name == "-v" || name == "--version") {
    options.Version = true;
  } else if (name == "-i" || name == "--interactive") {
    options.Interactive = true;
  } else if (name == "-e" || name == "--eval" || name == "-w" || name == "--watch") {
    std::string value;
    if (!OptionValue(args, i, inlineValue, hasInline, value)) {
      options.Error = FormatMessage(kShellMissingArgument, {std::string(name)});
      return false;
    }
    if (name == "-e" || name == "--eval") {
      options.Inputs.push_back({sikText, std::move(value)});
    } else if (std::string bad; !AddWatchKeywords(value, options.Watch, bad)) {
      options.Error = FormatMessage(kShellCannotWatch, {bad});
      return false;
    }
  } else {
    options.Error = FormatMessage(kShellUnknownOption, {std::string(arg)});
    return false;
  }
  return true;
}

}  // namespace

bool AddWatchKeywords(const std::string& words, TConstructWatches& watch, std::string& bad) {
  std::string_view rest = words;
  for (;;) {
    size_t comma = rest.find(',');
    std::string_view word = rest.substr(0, comma);
    if (!AddWatchKeyword(word, watch)) {
      bad = std::string(word);
      return false;
    }
    if (comma == std::string_view::npos) return true;
    rest = rest.substr(comma + 1);
  }
}

TShellOptions ParseShellOptions(const std::vector<std::string>& args) {
  TShellOptions options;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
      options.Inputs.push_back({sikFile, arg});
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (!ReadOption(args, i, options)) {
      return options;
    }
  }
  if (options.Inputs.empty()) options.Interactive = true;
  return options;
}

}  // namespace vettora
