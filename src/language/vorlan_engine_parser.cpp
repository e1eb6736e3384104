// TVorlanEngineParser: the engine's reading entries over texts and streams,
// and its printing through TIEPrinter.
#include "language/vorlan_engine_parser.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "functions/interpreted_function.h"
#include "fuzzy/fuzzy_expression.h"
#include "language/knowledge_base_text.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "reader/messages.h"
#include "reader/string_stream.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/singletons_vector.h"
#include "values/stack_space.h"

namespace vettora {

namespace {

IIEValue IntegerOf(const std::string& text, TIEType kind) {
  errno = 0;
  char* end = nullptr;
  long long number = std::strtoll(text.c_str(), &end, 10);
  bool whole = end && end != text.c_str() && *end == '\0';
  if (!whole || errno == ERANGE || number < std::numeric_limits<int32_t>::min() ||
      number > std::numeric_limits<int32_t>::max())
    throw EConvertError(FormatMessage(kInvalidInteger, {text}));
  return MakeRef<TIEValue>(int32_t(number), kind);
}

IIEValue FloatOf(const std::string& text) {
  char* end = nullptr;
  double number = std::strtod(text.c_str(), &end);
  if (!end || end == text.c_str() || *end != '\0')
    throw EConvertError(FormatMessage(kInvalidFloatText, {text}));
  return MakeFloat(number);
}

std::string Unquoted(const std::string& text) {
  size_t first = text.find_first_not_of('"');
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of('"');
  return text.substr(first, last - first + 1);
}

}  // namespace

// The parser's input for one entry: a tokenizer over the source, bound to
// the engine for the names of anonymous variables. The previous input comes
// back when the entry ends, however it ends.
class TVorlanEngineParser::TInput {
 public:
  TInput(TVorlanEngineParser& owner, TStream& source)
      : FParser(*owner.FParser), FPrevious(FParser.Stream()), FStream(&source) {
    FStream.SetEngine(&owner.FEngine);
    FParser.SetStream(&FStream);
  }
  ~TInput() { FParser.SetStream(FPrevious); }
  TInput(const TInput&) = delete;
  TInput& operator=(const TInput&) = delete;

 private:
  TIEVorlanParser& FParser;
  TIEVorlanStream* FPrevious;
  TIEVorlanStream FStream;
};

TVorlanEngineParser::TVorlanEngineParser(TInferenceEngine& engine)
    : FEngine(engine),
      FParser(std::make_unique<TIEVorlanParser>(engine)),
      FSeenErrorHandling(FParser->ErrorHandling()),
      FSeenMaxErrors(FParser->MaxErrors()),
      FSeenStaticChecks(FParser->StaticTypeChecks()) {
  // A fuzzy term prints as a shape call only when the engine has the shape
  // function to read it back (the fuzzy-logic package); otherwise by its
  // points, so a saved knowledge base always loads again.
  FPrinter.SetShapeAvailable([this](const std::string& word) {
    IUserFunction function;
    return FEngine.FindFunction(word, function);
  });
}

TVorlanEngineParser::~TVorlanEngineParser() = default;

void TVorlanEngineParser::SetParser(std::unique_ptr<TIEVorlanParser> parser) {
  FParser = parser ? std::move(parser) : std::make_unique<TIEVorlanParser>(FEngine);
  FSeenErrorHandling = FParser->ErrorHandling();
  FSeenMaxErrors = FParser->MaxErrors();
  FSeenStaticChecks = FParser->StaticTypeChecks();
}

void TVorlanEngineParser::SyncSettings() {
  if (FEngine.ParserErrorHandling() != FSeenErrorHandling) {
    FSeenErrorHandling = FEngine.ParserErrorHandling();
    FParser->SetErrorHandling(FSeenErrorHandling);
  }
  if (FEngine.ParserMaxErrors() != FSeenMaxErrors) {
    FSeenMaxErrors = FEngine.ParserMaxErrors();
    FParser->SetMaxErrors(FSeenMaxErrors);
  }
  bool staticChecks = FEngine.TypeChecks().Contains(tcStatic);
  if (staticChecks != FSeenStaticChecks) {
    FSeenStaticChecks = staticChecks;
    FParser->SetStaticTypeChecks(staticChecks);
  }
}

template <class F>
auto TVorlanEngineParser::WithInput(TStream& source, F&& read) {
  SyncSettings();
  TInput input(*this, source);
  return read(*FParser);
}

template <class F>
auto TVorlanEngineParser::WithText(const std::string& text, F&& read) {
  TStringStream source(text);
  return WithInput(source, std::forward<F>(read));
}

// ---- Whole texts -------------------------------------------------------------------

// A text may execute another (parse, load, batch), itself included.
void TVorlanEngineParser::ExecuteText(const std::string& text) {
  CheckStackSpace("Executed texts");
  WithText(text, [](TIEVorlanParser& p) { p.Parse(true); });
}

void TVorlanEngineParser::ExecuteStream(TStream& source) {
  CheckStackSpace("Executed texts");
  WithInput(source, [](TIEVorlanParser& p) { p.Parse(true); });
}

bool TVorlanEngineParser::ParseFacts(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFacts(); });
}

bool TVorlanEngineParser::ParseFacts(TStream& source) {
  return WithInput(source, [](TIEVorlanParser& p) { return p.ParseFacts(); });
}

// ---- One construct -----------------------------------------------------------------

IFact TVorlanEngineParser::ParseFact(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFact(); });
}

IIEValue TVorlanEngineParser::ParseValue(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseValue(); });
}

IIEValue TVorlanEngineParser::ParseValue(const std::string& text, int32_t kind) {
  switch (kind) {
    case dtNone:
      return MakeRef<TIEValue>();
    case dtAtom:
      return MakeAtom(text);
    case dtString:
      return MakeString(Unquoted(text));
    case dtInteger:
    case dtFactId:
      return IntegerOf(text, TIEType(kind));
    case dtFloat:
      return FloatOf(text);
    case dtVariable:
    case dtSlot:
    case dtMultiSlot:
    case dtMultiVariable:
      return MakeRef<TIEValue>(text, TIEType(kind));
    case dtFunCall:
      return MakeRef<TIEValue>(IFunCallBase(ParseFunCall(text)));
    case dtFact:
      return MakeRef<TIEValue>(IFactBase(ParseFact(text)));
    case dtList: {
      IIEValue value = ParseValue(text);
      if (value && value->DType() == dtList) return value;
      IValueVector list = MakeRef<TValueVector>();
      list->Add(value);
      return MakeList(list);
    }
    default:
      break;
  }
  std::string name = kind >= 0 && kind < kTIETypeCount
                         ? std::string(TypeName(TIEType(kind)))
                         : "Unknown Type (" + std::to_string(kind) + ")";
  throw EIEException(FormatMessage(kUnableToParseStrings, {name}));
}

IIEDefinedType TVorlanEngineParser::ParseDefinedType(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseDefinedType(); });
}

std::string TVorlanEngineParser::ParseFactSlot(TFact& fact, const std::string& text) {
  return WithText(text, [&fact](TIEVorlanParser& p) { return p.ParseFactSlot(fact); });
}

TFactSet* TVorlanEngineParser::ParseFactSet(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFactSet(); });
}

IFunCall TVorlanEngineParser::ParseFunCall(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFunCall(); });
}

IFactTemplate TVorlanEngineParser::ParseFactTemplate(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFactTemplate(); });
}

IFactSlot TVorlanEngineParser::ParseFactTemplateSlot(const std::string& text,
                                                     TFactTemplate* owner) {
  return WithText(text, [owner](TIEVorlanParser& p) { return p.ParseFactTemplateSlot(owner); });
}

IInterpretedFunction TVorlanEngineParser::ParseFunction(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFunction(); });
}

IIEValue TVorlanEngineParser::ParseFuzzyExpression(const std::string& text,
                                                   const TIEDefinedType& type) {
  IIEValue value = ParseValue(text);
  if (value && value->DType() == dtFuzzy) return value;
  return EvaluateFuzzyExpression(type.FuzzyVariable().Get(), value, FEngine.GlobalContext());
}

IFuzzySet TVorlanEngineParser::ParseFuzzySet(const std::string& text, TIFuzzyVariable& variable) {
  return WithText(text, [&variable](TIEVorlanParser& p) { return p.ParseFuzzySet(variable); });
}

IFuzzyVariable TVorlanEngineParser::ParseFuzzyVariable(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFuzzyVariable(); });
}

void TVorlanEngineParser::ParseGlobalVariables(const std::string& text) {
  WithText(text, [](TIEVorlanParser& p) { p.ParseGlobalVariables(); });
}

std::string TVorlanEngineParser::ParseVariable(const std::string& text, IIEValue& value) {
  return WithText(text, [&value](TIEVorlanParser& p) { return p.ParseVariable(value); });
}

IIEValue TVorlanEngineParser::ParseList(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseList(); });
}

IIEValue TVorlanEngineParser::EvaluateFunCall(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.EvaluateFunCall(); });
}

TRule* TVorlanEngineParser::ParseRule(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseRule(); });
}

void TVorlanEngineParser::ParseRulePatterns(TRule& rule, const std::string& text) {
  WithText(text, [&rule](TIEVorlanParser& p) {
    TVariableList variables;
    TRule::TUpdateGuard update(rule);
    p.ParseRulePatterns(rule, variables);
    update.End();
  });
}

void TVorlanEngineParser::ParseRuleActions(TRule& rule, const std::string& text) {
  WithText(text, [&rule](TIEVorlanParser& p) {
    TRule::TUpdateGuard update(rule);
    p.ParseRuleActions(rule);
    update.End();
  });
}

ISingletonsVector TVorlanEngineParser::ParseFuzzyPoints(const std::string& text) {
  return WithText(text, [](TIEVorlanParser& p) { return p.ParseFuzzyPoints(); });
}

IIEValue TVorlanEngineParser::ParseFactSlotValue(const TFactSlot& slot, const std::string& text) {
  return WithText(text, [&slot](TIEVorlanParser& p) { return p.ParseFactSlotValue(slot); });
}

IIEValue TVorlanEngineParser::ParseSlotValue(const std::string& text, TIETypes types,
                                             const IIEDefinedType& definedType,
                                             const std::string& slotName) {
  return WithText(
      text, [&](TIEVorlanParser& p) { return p.ParseSlotValue(types, definedType, slotName); });
}

// ---- Printing ----------------------------------------------------------------------

std::string TVorlanEngineParser::PrintFact(const TFact& fact) { return FPrinter.PrintFact(fact); }

std::string TVorlanEngineParser::PrintFactTemplate(const TFactTemplate& factTemplate) {
  return FPrinter.PrintFactTemplate(factTemplate);
}

std::string TVorlanEngineParser::PrintTemplateSlot(const TFactSlot& slot) {
  return FPrinter.PrintTemplateSlot(slot);
}

std::string TVorlanEngineParser::PrintFactSet(const TFactSet& factSet) {
  return FPrinter.PrintFactSet(factSet);
}

std::string TVorlanEngineParser::PrintFunCall(const TFunctionCall& call) {
  return FPrinter.PrintFunCall(call);
}

std::string TVorlanEngineParser::PrintFunction(const TIEUserFunction& function) {
  return FPrinter.PrintFunction(function);
}

std::string TVorlanEngineParser::PrintDefinedType(const TIEDefinedType& type) {
  return FPrinter.PrintDefinedType(type);
}

std::string TVorlanEngineParser::PrintRule(const TRule& rule) { return FPrinter.PrintRule(rule); }

std::string TVorlanEngineParser::PrintPattern(const TIEPattern& pattern) {
  return FPrinter.PrintPattern(pattern);
}

std::string TVorlanEngineParser::PrintGlobal(const std::string& name, const IIEValue& value) {
  return FPrinter.PrintGlobal(name, value);
}

std::string TVorlanEngineParser::KnowledgeBaseText(std::time_t created) {
  return vettora::KnowledgeBaseText(FEngine, created);
}

// ---- Settings ---------------------------------------------------------------------

bool TVorlanEngineParser::StrictTemplates() const { return FParser->StrictTemplates(); }

void TVorlanEngineParser::SetStrictTemplates(bool value) { FParser->SetStrictTemplates(value); }

const TSlotFunctions& TVorlanEngineParser::SlotFunctions() const {
  return FParser->SlotFunctions();
}

void TVorlanEngineParser::SetSlotFunctions(const TSlotFunctions& list) {
  FParser->SetSlotFunctions(list);
}

}  // namespace vettora
