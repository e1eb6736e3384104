// TInferenceEngine: the knowledge base as text -- GetText and SetText, the
// stream and file forms of both, loading and saving one kind of construct,
// and executing command text.
#include <ctime>
#include <string>

#include "engine/defined_types.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "knowledge/fact_template.h"
#include "reader/file_stream.h"
#include "reader/string_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kCrLf = "\r\n";

void WriteString(TStream& stream, const std::string& text) {
  if (text.empty()) return;
  if (stream.Write(text.data(), int64_t(text.size())) != int64_t(text.size()))
    throw EGStreamError("Stream write error");
}

}  // namespace

// ---- Whole knowledge base ----------------------------------------------------------

std::string TInferenceEngine::GetText() { return FParser->KnowledgeBaseText(std::time(nullptr)); }

void TInferenceEngine::SetText(const std::string& text) {
  TStringStream source(text);
  LoadFromStream(source);
}

void TInferenceEngine::ExecuteText(const std::string& text, bool /*flag*/) {
  FParser->ExecuteText(text);
}

void TInferenceEngine::ExecuteLines(const TTextLines& lines) {
  TErrorHandling saved = FParserErrorHandling;
  FParserErrorHandling = ehRaiseImmediate;
  for (const TTextLine& line : lines) {
    try {
      if (line.Fact)
        Assert(FParser->ParseFact(line.Text));
      else
        ExecuteText(line.Text, true);
    } catch (const EIEAbort&) {
      FParserErrorHandling = saved;
      throw;
    } catch (const std::exception&) {
      // One faulty line must not keep the following lines from running.
    }
  }
  FParserErrorHandling = saved;
}

// Clear, read and execute everything, Reset. The parser's input is the
// stream only while it is read; the previous input comes back after it.
void TInferenceEngine::LoadFromStream(TStream& stream) {
  Clear();
  FParser->ExecuteStream(stream);
  Reset();
}

// What is saved is read back: floats are written with every digit (see
// TReadBackText), not with the four decimals of listings.
void TInferenceEngine::SaveToStream(TStream& stream) {
  TReadBackText exact;
  WriteString(stream, GetText());
}

void TInferenceEngine::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TInferenceEngine::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

// ---- Per kind ----------------------------------------------------------------------

void TInferenceEngine::LoadDefinedTypesFromStream(TStream& stream) {
  FDefinedTypes->Clear();
  FParser->ExecuteStream(stream);
}

void TInferenceEngine::SaveDefinedTypesToStream(TStream& stream) {
  // Parents before children, so that the text reads back.
  TReadBackText exact;
  WriteString(stream, FDefinedTypes->Text());
}

void TInferenceEngine::LoadFactsFromStream(TStream& stream) { FParser->ParseFacts(stream); }

void TInferenceEngine::SaveFactsToStream(TStream& stream) {
  TReadBackText exact;
  for (int32_t i = 0; i < FFacts->Count(); ++i)
    WriteString(stream, FFacts->Items(i)->Text() + kCrLf);
}

void TInferenceEngine::SaveFactsOfTemplate(TStream& stream, const std::string& templateName) {
  TReadBackText exact;
  for (int32_t i = 0; i < FFacts->Count(); ++i) {
    const IFact& fact = FFacts->Items(i);
    if (fact->Template() && fact->Template()->Name() == templateName)
      WriteString(stream, fact->Text() + kCrLf);
  }
}

void TInferenceEngine::LoadFactTemplatesFromStream(TStream& stream) {
  FFactTemplates->Clear();
  FParser->ExecuteStream(stream);
}

void TInferenceEngine::SaveFactTemplatesToStream(TStream& stream) {
  // Parents before children, so that the text reads back.
  TReadBackText exact;
  WriteString(stream, FFactTemplates->Text());
}

void TInferenceEngine::LoadRulesFromStream(TStream& stream) {
  FRules->Clear();
  FParser->ExecuteStream(stream);
}

void TInferenceEngine::SaveRulesToStream(TStream& stream) {
  TReadBackText exact;
  WriteString(stream, FRules->Text());
}

// ---- Per kind, files ---------------------------------------------------------------

void TInferenceEngine::LoadDefinedTypesFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadDefinedTypesFromStream(file);
}

void TInferenceEngine::SaveDefinedTypesToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveDefinedTypesToStream(file);
}

void TInferenceEngine::LoadFactsFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFactsFromStream(file);
}

void TInferenceEngine::SaveFactsToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveFactsToStream(file);
}

void TInferenceEngine::LoadFactTemplatesFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFactTemplatesFromStream(file);
}

void TInferenceEngine::SaveFactTemplatesToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveFactTemplatesToStream(file);
}

void TInferenceEngine::LoadRulesFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadRulesFromStream(file);
}

void TInferenceEngine::SaveRulesToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveRulesToStream(file);
}

}  // namespace vettora
