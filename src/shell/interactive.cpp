// The interactive read-run loop of the console.
#include "shell/interactive.h"

#include <cstdint>
#include <string>

#include "shell/console.h"
#include "shell/input_balance.h"
#include "shell/line_editor.h"
#include "shell/messages.h"

namespace vettora {

void RunInteractive(TConsole& console, TLineEditor& editor) {
  TInputBalance balance;
  std::string chunk;
  int32_t line = 0;
  int32_t chunkLine = 1;
  std::string text;
  while (!console.Aborted()) {
    console.Finish();
    bool more = editor.ReadLine(balance.Blank() ? kShellPrompt : kShellContinuePrompt, text);
    if (!more) break;
    if (line < INT32_MAX) ++line;
    if (balance.Blank()) {
      chunk.clear();
      chunkLine = line;
    }
    chunk += text;
    chunk += '\n';
    balance.Add(text);
    balance.Add("\n");
    if (balance.Blank() || !balance.Complete()) continue;
    editor.AddHistory(chunk.substr(0, chunk.size() - 1));
    console.RunText(chunk, chunkLine);
    balance.Clear();
  }
  // Input that ended inside an open item still runs, so its error shows.
  if (!console.Aborted() && !balance.Blank()) console.RunText(chunk, chunkLine);
  console.Finish();
}

}  // namespace vettora
