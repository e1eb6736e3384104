#pragma once
// TIEVorlanStream: the rule-language tokenizer. It counts lines, collects
// the whitespace and comments in front of each token, reads ahead one
// balanced parenthesised group at a time, lets tokens be pushed back, and
// keeps the printable text of the construct being read for error messages.
//
// Lexical rules, as ReadRawToken applies them:
//   - characters 0..32 separate tokens; ';' starts a comment to the line end;
//   - & ( ) = [ ] | ~ at the start of a token are tokens of their own;
//   - '"' starts a string, in which '\' takes the next character literally;
//   - anything else starts an atom-like token that runs until whitespace or
//     one of " & ( ) ; < [ ] | ~ ('=' and '>' do not end it, '<' does), with
//     '\' taking the next character literally; its text is then classified
//     as a variable, multifield variable, integer, float or atom.
// A CR, an LF and a CR LF pair each count as one line break, wherever they
// occur.

#include <cstdint>
#include <string>
#include <vector>

#include "reader/symbol_source.h"
#include "reader/tokenizer_stream.h"

namespace vettora {

class TIEVorlanStream : public TIETokenizerStream {
 public:
  // Hint values of MakeToken besides the delimiter characters.
  static constexpr int32_t kHintClassify = 0;
  static constexpr int32_t kHintEndOfStream = -1;
  static constexpr int32_t kHintLineBreak = 13;
  static constexpr int32_t kHintString = 34;

  explicit TIEVorlanStream(TStream* source) : TIETokenizerStream(source) {}
  TIEVorlanStream(const std::string& fileName, uint16_t mode)
      : TIETokenizerStream(fileName, mode) {}

  void ResetLookahead() override;
  // Discards up to and including the next line break. When the last
  // character consumed already ended a line (as the line feed that ends a
  // token does), that line is complete and nothing more is discarded. Tokens
  // already read ahead are not touched.
  void SkipRestOfLine() override;
  void SkipToTopLevel() override;
  [[nodiscard]] IStreamToken NextToken() override;
  void PushBackToken(const IStreamToken& token) override;
  [[nodiscard]] std::string PeekConstructKeyword() override;

  // The last token handed out or pushed back; reads one if there is none.
  [[nodiscard]] IStreamToken CurrentToken();
  // The printable text of the tokens handed out since the current group was
  // read ahead, a CR LF wherever the line changed.
  [[nodiscard]] const std::string& ConstructText() const { return FConstructRecord; }
  // The tokenizer proper, without look-ahead.
  [[nodiscard]] IStreamToken ReadRawToken();
  // A token stamped with the current line and the pending whitespace, filled
  // by `hint`: 0 classifies `text`, -1 is the end of the stream unless
  // `text` is not empty, 13 a line break atom "CRLF", 34 a string, a
  // delimiter character that delimiter. Other hints raise EIEParseException.
  [[nodiscard]] IStreamToken MakeToken(int32_t hint, const std::string& text);

  // The reading operations of the text stream, counting the lines they pass.
  char ReadChar() override;
  bool SkipLineSpace() override;
  std::string ReadLine() override;

  [[nodiscard]] int32_t LineNumber() const { return FLineNumber; }
  void SetLineNumber(int32_t line) { FLineNumber = line; }
  // Parenthesis depth of the tokens handed out.
  [[nodiscard]] int32_t Depth() const { return FDepth; }
  // Supplies the names of anonymous variables; not owned. Without one, the
  // stream numbers them itself.
  [[nodiscard]] ISymbolSource* Engine() const { return FEngine; }
  void SetEngine(ISymbolSource* engine) { FEngine = engine; }

 private:
  // Line counting: every consumed character passes through CountChar once,
  // in order, so that an LF right after a CR is not counted again.
  void CountChar(char c);
  void NewLineCounted();
  // Consumes the LF of a CR LF pair whose CR was the last character read.
  void CompletePendingCR();

  // Lexer pieces.
  void SkipWhitespace();
  [[nodiscard]] std::string ReadStringBody();
  [[nodiscard]] IStreamToken ReadAtomLike(char first);
  void Classify(TIEStreamToken& token, const std::string& text);
  [[nodiscard]] std::string AnonymousName(const char* prefix);
  [[noreturn]] void Fail(const std::string& message) const;

  // Look-ahead pieces.
  void ReadGroup();
  void Record(const IStreamToken& token);

  int32_t FLineNumber = 1;
  int32_t FColumn = 0;       // characters consumed on the current line
  int32_t FTokenColumn = 0;  // where the token being read starts
  bool FAfterCR = false;      // the last character consumed was a CR
  bool FAtLineStart = false;  // the last character consumed ended a line
  std::string FWhiteSpace;    // pending whitespace and comments
  std::string FTokenText;
  std::vector<IStreamToken> FLookahead;  // top at the back
  std::vector<IStreamToken> FScratch;
  std::string FConstructRecord;
  IStreamToken FLastToken;
  int32_t FDepth = 0;
  ISymbolSource* FEngine = nullptr;
  uint64_t FBlankCounter = 0;
};

}  // namespace vettora
