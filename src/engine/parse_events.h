#pragma once
// TParseEvents: what a rule-language parser tells its host while it reads.
// The engine's parser holds one set; a host reaches it through
// TInferenceEngine::Parser().Events(). Each event is raised with the reading
// parser as sender, only when set.

#include <cstdint>
#include <functional>
#include <string>

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "values/object.h"
#include "values/singletons_vector.h"
#include "values/value.h"

namespace vettora {

class TFactSet;
class TFunctionCall;
class TIEParser;
class TIEPattern;
class TIEUserFunction;
class TRule;
using IFunCall = Ref<TFunctionCall>;
using IUserFunction = Ref<TIEUserFunction>;

// The kind of item a top-level read reports to OnParse. Constructs, and
// values or calls whose result is nil, report ptNil.
enum TParsedType : uint8_t {
  ptNil = 0,
  ptValue = 1,
  ptFunCall = 2,
  ptRule = 3,
  ptFactSet = 4,
  ptFactTemplate = 5,
  ptFunction = 6,
  ptGlobalVariables = 7,
  ptDefinedType = 8,
  ptEndOfStream = 9,
};

struct TParseEvents {
  using TParseEvent = std::function<void(TIEParser& sender, TParsedType parsedType, TObject* object,
                                         const Ref<TCounted>& item)>;
  using TParseFactEvent = std::function<void(TIEParser& sender, const IFact& fact)>;
  using TParseFactSetEvent = std::function<void(TIEParser& sender, TFactSet& factSet)>;
  using TParseFactTemplateEvent =
      std::function<void(TIEParser& sender, const IFactTemplate& factTemplate)>;
  using TParseFunCallEvent = std::function<void(TIEParser& sender, const IFunCall& call)>;
  using TParseFunctionEvent = std::function<void(TIEParser& sender, const IUserFunction& function)>;
  using TParseVariableEvent =
      std::function<void(TIEParser& sender, const std::string& name, const IIEValue& value)>;
  using TParsePatternEvent = std::function<void(TIEParser& sender, TIEPattern& pattern)>;
  using TParseRuleEvent = std::function<void(TIEParser& sender, TRule& rule)>;
  using TParseDefinedTypeEvent = std::function<void(TIEParser& sender, const IIEDefinedType& type)>;
  using TParseFuzzySetEvent = std::function<void(TIEParser& sender, const IFuzzySet& set)>;
  using TParseFuzzyVariableEvent =
      std::function<void(TIEParser& sender, const IFuzzyVariable& variable)>;
  using TParseSingletonsEvent =
      std::function<void(TIEParser& sender, const ISingletonsVector& singletons)>;

  // After each top-level item: its reported kind, the rule or fact set
  // made (else null), and the result value or the template, function or
  // defined type read (else empty).
  TParseEvent OnParse;
  TParseFactEvent OnParseFact;
  TParseFactSetEvent OnParseFactSet;
  TParseFactTemplateEvent OnParseFactTemplate;
  TParseFunCallEvent OnParseFunCall;
  TParseFunctionEvent OnParseFunction;
  TParseVariableEvent OnParseVariable;
  TParsePatternEvent OnParsePattern;
  TParseRuleEvent OnParseRule;
  TParseDefinedTypeEvent OnParseDefinedType;
  TParseFuzzySetEvent OnParseFuzzySet;
  TParseFuzzyVariableEvent OnParseFuzzyVariable;
  // Declared for hosts that listen for it; the parser never raises it.
  TParseSingletonsEvent OnParseSingletons;
};

}  // namespace vettora
