#pragma once
// TLineEditor: line editing and history for the interactive console, over
// libedit. History is kept in a file (read when the editor is made, written
// when it goes) so that earlier sessions' input can be recalled.

#include <string>

namespace vettora {

class TLineEditor {
 public:
  // An empty file name keeps history for this session only.
  explicit TLineEditor(std::string historyFile);
  ~TLineEditor();
  TLineEditor(const TLineEditor&) = delete;
  TLineEditor& operator=(const TLineEditor&) = delete;

  // Shows the prompt and reads one line, without its line end; false at
  // the end of input (Ctrl-D on an empty line).
  [[nodiscard]] bool ReadLine(const char* prompt, std::string& line);
  // Adds an entry to the history; blank entries and a repeat of the last
  // entry are not added.
  void AddHistory(const std::string& entry);

  // The history file in the user's home folder, or empty without a home.
  [[nodiscard]] static std::string DefaultHistoryFile();

 private:
  std::string FHistoryFile;
  std::string FLastEntry;
};

}  // namespace vettora
