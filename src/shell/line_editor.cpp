// TLineEditor: libedit's readline interface, with a history file.
#include "shell/line_editor.h"

#include <editline/readline.h>

#include <cstdlib>
#include <memory>

namespace vettora {

namespace {

constexpr int kHistoryLength = 1000;

struct TFreeLine {
  void operator()(char* line) const { std::free(line); }
};

}  // namespace

TLineEditor::TLineEditor(std::string historyFile) : FHistoryFile(std::move(historyFile)) {
  using_history();
  stifle_history(kHistoryLength);
  if (!FHistoryFile.empty()) read_history(FHistoryFile.c_str());
}

TLineEditor::~TLineEditor() {
  if (!FHistoryFile.empty()) write_history(FHistoryFile.c_str());
}

bool TLineEditor::ReadLine(const char* prompt, std::string& line) {
  std::unique_ptr<char, TFreeLine> text(readline(prompt));
  if (!text) return false;
  line = text.get();
  return true;
}

void TLineEditor::AddHistory(const std::string& entry) {
  if (entry.find_first_not_of(" \t\r\n") == std::string::npos || entry == FLastEntry) return;
  add_history(entry.c_str());
  FLastEntry = entry;
}

std::string TLineEditor::DefaultHistoryFile() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) return std::string();
  return std::string(home) + "/.vettora_history";
}

}  // namespace vettora
