#pragma once
// TInputBalance: decides when typed input forms whole top-level items, so
// that the console can ask for more lines while parentheses are open. It
// follows the tokenizer's lexical rules as far as nesting needs: ';' starts
// a comment to the end of the line, '"' a string (in which '\' takes the
// next character literally), and '\' outside a string escapes the next
// character of an atom.

#include <cstdint>
#include <string_view>

namespace vettora {

class TInputBalance {
 public:
  // Takes more input; a line is passed with its line break.
  void Add(std::string_view text);
  // True when something other than blanks and comments was read and every
  // parenthesis and string is closed -- or when a ")" closed more than was
  // open, which the parser reports better than waiting would.
  [[nodiscard]] bool Complete() const;
  // True while nothing but blanks and comments has been read.
  [[nodiscard]] bool Blank() const { return !FContent; }
  [[nodiscard]] int32_t Depth() const { return FDepth; }
  void Clear() { *this = TInputBalance(); }

 private:
  int32_t FDepth = 0;
  bool FContent = false;
  bool FInString = false;
  bool FInComment = false;
  bool FEscaped = false;
  bool FOverClosed = false;
};

}  // namespace vettora
