#pragma once
// The interactive console: prompts, reads lines until they form whole
// items (parentheses balanced, strings closed), and runs them. Line
// numbers count through the session, so an error names the line typed.

namespace vettora {

class TConsole;
class TLineEditor;

// Runs until the end of input or `exit`.
void RunInteractive(TConsole& console, TLineEditor& editor);

}  // namespace vettora
