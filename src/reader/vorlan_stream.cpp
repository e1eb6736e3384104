// TIEVorlanStream: look-ahead, push-back and the construct record.

#include "reader/vorlan_stream.h"

namespace vettora {

namespace {

int32_t DepthChange(const TIEStreamToken& token) {
  if (token.DataType() == tkOpenParen) return 1;
  if (token.DataType() == tkCloseParen) return -1;
  return 0;
}

}  // namespace

// Reads one group onto the look-ahead: a single token, or a "(" and
// everything up to its matching ")". A ")" with no "(" before it is a group
// of its own, so that a stray one cannot swallow the construct after it. The
// group ends early at the end of the stream.
void TIEVorlanStream::ReadGroup() {
  FConstructRecord.clear();
  // Every earlier group has been handed out whole, so this one starts at the
  // top level whatever the count of an unbalanced group before it said.
  FDepth = 0;
  FScratch.clear();
  int32_t open = 0;
  for (;;) {
    IStreamToken token = ReadRawToken();
    FScratch.push_back(token);
    if (token->DataType() == tkEndOfStream) break;
    open += DepthChange(*token);
    if (open <= 0) break;
  }
  // The first token read goes on top.
  FLookahead.assign(FScratch.rbegin(), FScratch.rend());
  FScratch.clear();
}

void TIEVorlanStream::Record(const IStreamToken& token) {
  // A new line starts a new record line; a record never starts with one.
  if (FLastToken && FLastToken->LineNumber() < token->LineNumber() && !FConstructRecord.empty())
    FConstructRecord += "\r\n";
  FConstructRecord += token->AsText();
  FConstructRecord += ' ';
  FLastToken = token;
  FDepth += DepthChange(*token);
}

IStreamToken TIEVorlanStream::NextToken() {
  if (FLookahead.empty()) ReadGroup();
  IStreamToken token = std::move(FLookahead.back());
  FLookahead.pop_back();
  Record(token);
  return token;
}

void TIEVorlanStream::PushBackToken(const IStreamToken& token) {
  if (!token) return;
  FLookahead.push_back(token);
  FLastToken = token;
  // Cut the record back to the text before the token.
  size_t cut = token->AsText().size() + 1;
  FConstructRecord.resize(FConstructRecord.size() > cut ? FConstructRecord.size() - cut : 0);
  size_t keep = FConstructRecord.find_last_not_of(" \t\r\n");
  FConstructRecord.resize(keep == std::string::npos ? 0 : keep + 1);
  if (!FConstructRecord.empty()) FConstructRecord += ' ';
  FDepth -= DepthChange(*token);
}

std::string TIEVorlanStream::PeekConstructKeyword() {
  IStreamToken open = NextToken();
  if (open->DataType() != tkOpenParen || FLookahead.empty()) return std::string();
  IStreamToken next = FLookahead.back();
  PushBackToken(open);
  switch (next->DataType()) {
    case dtAtom:
      return next->Text().empty() ? next->AsText() : next->Text();
    case dtVariable:
      return next->Text();
    case tkEquals:
      return "=";
    default:
      return std::string();
  }
}

IStreamToken TIEVorlanStream::CurrentToken() {
  if (!FLastToken) return NextToken();
  return FLastToken;
}

void TIEVorlanStream::ResetLookahead() {
  FLookahead.clear();
  FConstructRecord.clear();
  // The dropped tokens take their nesting with them.
  FDepth = 0;
}

void TIEVorlanStream::SkipToTopLevel() {
  while (FDepth > 0) {
    if (NextToken()->DataType() == tkEndOfStream) return;
  }
}

void TIEVorlanStream::SkipRestOfLine() {
  if (FAfterCR) {
    CompletePendingCR();
    return;
  }
  if (FAtLineStart) return;
  ReadLine();
}

}  // namespace vettora
