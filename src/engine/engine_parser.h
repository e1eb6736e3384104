#pragma once
// IEngineParser: the rule-language reader and printer an engine hands its
// text work to. The engine owns one; the parser component plugs itself in
// with TInferenceEngine::SetParser.
//
// Until a parser is plugged in, TEngineTextFallback serves: it reads
// nothing (every parse entry raises "Unable to parse strings of %s at this
// time") and prints with the free-standing printers of the lower layers.
// The engine builds the facts it needs itself (the initial fact) through
// the template API, so it works without a parser.

#include <string>

#include "knowledge/fact.h"
#include "values/value.h"

namespace vettora {

class TFactSet;
class TFactSlot;
class TFactTemplate;
class TFunctionCall;
class TIEDefinedType;
class TIEPattern;
class TRule;
class TStream;
class TIEUserFunction;

class IEngineParser {
 public:
  virtual ~IEngineParser() = default;

  // ---- Reading.
  // One fact from its text, its template found (or created implied) in
  // the engine; slot values are not evaluated.
  [[nodiscard]] virtual IFact ParseFact(const std::string& text) = 0;
  // One value from its text: a constant, a call, a fact or a fuzzy value.
  [[nodiscard]] virtual IIEValue ParseValue(const std::string& text) = 0;
  // Runs rule-language text in the engine: constructs are added, commands
  // executed (re-making rules from their text).
  virtual void ExecuteText(const std::string& text) = 0;
  // The same over a stream, read from its position to its end.
  virtual void ExecuteStream(TStream& source) = 0;
  // Reads facts to the end of the stream and asserts each one; false when
  // an error was collected rather than raised.
  virtual bool ParseFacts(TStream& source) = 0;

  // ---- Printing.
  // A fact as it is written inside a construct (a fact set's line): in the
  // form the parser reads back, fuzzy values by their term or shape.
  [[nodiscard]] virtual std::string PrintFact(const TFact& fact) = 0;
  [[nodiscard]] virtual std::string PrintFactTemplate(const TFactTemplate& factTemplate) = 0;
  [[nodiscard]] virtual std::string PrintTemplateSlot(const TFactSlot& slot) = 0;
  [[nodiscard]] virtual std::string PrintFactSet(const TFactSet& factSet) = 0;
  [[nodiscard]] virtual std::string PrintFunCall(const TFunctionCall& call) = 0;
  [[nodiscard]] virtual std::string PrintFunction(const TIEUserFunction& function) = 0;
  [[nodiscard]] virtual std::string PrintDefinedType(const TIEDefinedType& type) = 0;
  [[nodiscard]] virtual std::string PrintRule(const TRule& rule) = 0;
  [[nodiscard]] virtual std::string PrintPattern(const TIEPattern& pattern) = 0;
};

class TEngineTextFallback : public IEngineParser {
 public:
  IFact ParseFact(const std::string& text) override;
  IIEValue ParseValue(const std::string& text) override;
  void ExecuteText(const std::string& text) override;
  void ExecuteStream(TStream& source) override;
  bool ParseFacts(TStream& source) override;
  // The fact's own Text.
  std::string PrintFact(const TFact& fact) override;
  std::string PrintFactTemplate(const TFactTemplate& factTemplate) override;
  std::string PrintTemplateSlot(const TFactSlot& slot) override;
  std::string PrintFactSet(const TFactSet& factSet) override;
  std::string PrintFunCall(const TFunctionCall& call) override;
  // Without a printer only the name is known.
  std::string PrintFunction(const TIEUserFunction& function) override;
  std::string PrintDefinedType(const TIEDefinedType& type) override;
  // "(defrule name)" and "(name)": without a printer only the names.
  std::string PrintRule(const TRule& rule) override;
  std::string PrintPattern(const TIEPattern& pattern) override;
};

// The `deffacts` text: "(deffacts name \"comment\"", CR LF, each fact's
// text after four blanks and before CR LF, then ")".
[[nodiscard]] std::string FactSetText(const TFactSet& factSet);

}  // namespace vettora
