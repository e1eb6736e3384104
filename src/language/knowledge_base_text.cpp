// KnowledgeBaseText: the header, the counts and the sections of GetText.
#include "language/knowledge_base_text.h"

#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kStars = "; *************************";

void Line(std::string& text, const std::string& line) { text.append(line).append(kCrLf); }

void CountLine(std::string& text, const char* label, int32_t count) {
  Line(text, std::string("; Number of ") + label + std::to_string(count));
}

std::string FactsText(TInferenceEngine& engine) {
  std::string text = "(assert";
  text += kCrLf;
  for (int32_t i = 0; i < engine.Facts().Count(); ++i)
    Line(text, "    " + engine.Facts().Items(i)->Text());
  return text + ")";
}

void Section(std::string& text, const char* heading, bool blankAfterHeading,
             const std::string& body) {
  text += kCrLf;
  Line(text, kStars);
  Line(text, heading);
  if (blankAfterHeading) text += kCrLf;
  text += body;
  // Every line ends with CR LF, also the last of a part whose text does not.
  if (text.size() < 2 || text.compare(text.size() - 2, 2, kCrLf) != 0) text += kCrLf;
}

}  // namespace

std::string ShortDateTimeText(std::time_t time) {
  std::tm parts{};
  localtime_r(&time, &parts);
  char buffer[64];
  size_t n = std::strftime(buffer, sizeof buffer, "%x %X", &parts);
  return std::string(buffer, n);
}

std::string KnowledgeBaseText(TInferenceEngine& engine, std::time_t created) {
  int32_t globals = engine.GlobalVariables().Count();
  int32_t types = engine.DefinedTypes().Count();
  int32_t templates = engine.FactTemplates().Count();
  int32_t functions = engine.UserFunctions().DeffunctionCount();
  int32_t rules = engine.Rules().Count();
  int32_t factSets = engine.FactSets().Count();
  int32_t facts = engine.Facts().Count();

  std::string text;
  Line(text, kStars);
  Line(text, "; Inference Engine v" + FormatFloat4(engine.Version()) + " Output");
  Line(text, "; Created: " + ShortDateTimeText(created));
  CountLine(text, "Global Variables: ", globals);
  CountLine(text, "Defined Types:    ", types);
  CountLine(text, "Fact Templates:   ", templates);
  CountLine(text, "Rules:            ", rules);
  CountLine(text, "Fact Sets:        ", factSets);
  CountLine(text, "Facts:            ", facts);
  // The rule-language setting names the opposite sense: TRUE drops duplicates.
  Line(text,
       engine.FactDuplication() ? "(set-fact-duplication FALSE)" : "(set-fact-duplication TRUE)");
  if (globals > 0) Section(text, "; Global Variables ", true, engine.GlobalVariables().Text());
  if (types > 0) Section(text, "; Defined Types ", true, engine.DefinedTypes().Text());
  if (templates > 0) Section(text, "; Fact Templates ", true, engine.FactTemplates().Text());
  if (functions > 0) Section(text, "; Deffunctions ", false, engine.UserFunctions().Text());
  if (rules > 0) Section(text, "; Rules ", true, engine.Rules().Text());
  if (factSets > 0) Section(text, "; Fact Sets ", true, engine.FactSets().Text());
  if (facts > 0) Section(text, "; Facts ", true, FactsText(engine));
  return text;
}

}  // namespace vettora
