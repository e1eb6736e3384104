// TIEVorlanParser: the top level -- reading a whole text item by item, the
// two error-handling modes, the error text, construct headers and the
// token helpers the other areas share.
#include "language/vorlan_parser.h"

#include <string_view>

#include "engine/construct_factory.h"
#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "functions/function_call.h"
#include "functions/interpreted_function.h"
#include "language/printer.h"
#include "matching/context.h"
#include "matching/rule.h"
#include "reader/parse_exception.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

std::string TrimText(const std::string& text) {
  static constexpr const char* kBlanks = " \t\r\n";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// ---- TIEParser --------------------------------------------------------------------

TIEParser::TIEParser(TInferenceEngine& engine, TIEVorlanStream* stream)
    : FEngine(engine), FStream(stream) {}

TIEParser::~TIEParser() = default;

// ---- Construction and small services -------------------------------------------------

TIEVorlanParser::TIEVorlanParser(TInferenceEngine& engine, TIEVorlanStream* stream)
    : TIEParser(engine, stream) {}

TIEVorlanParser::~TIEVorlanParser() = default;

void TIEVorlanParser::Reset() {
  if (FStream) FStream->ResetLookahead();
}

std::string TIEVorlanParser::UniqueName(const std::string& prefix) {
  return FEngine.GenerateSymbol(prefix);
}

std::string TIEVorlanParser::VariableName(int32_t number, const std::string& slot,
                                          const std::string& prefix) {
  std::string name = prefix + slot;
  if (number > 0) name += std::to_string(number);
  return name;
}

IIEValue TIEVorlanParser::UniqueSlotVariable(const TFactTemplate& factTemplate,
                                             const TFactSlot& slot, TVariableList& variables,
                                             bool unique) {
  TIEType kind = slot.IsMultiSlot() ? dtMultiVariable : dtVariable;
  std::string name = VariableName(0, slot.Name(), factTemplate.Name());
  if (unique) {
    for (int32_t n = 1; variables.contains(name) && n < INT32_MAX; ++n)
      name = VariableName(n, slot.Name(), factTemplate.Name());
    variables.emplace(name, kind);
  }
  return MakeRef<TIEValue>(name, kind);
}

std::string TIEVorlanParser::FunctionSyntax(const TIEUserFunction& function) {
  return TIEPrinter::FunctionSyntax(function);
}

// ---- Token helpers -----------------------------------------------------------------

IStreamToken TIEVorlanParser::Next() {
  // Without input every read ends at once.
  if (!FStream) throw EIEParseException(kUnexpectedEndOfStream);
  return FStream->NextToken();
}

void TIEVorlanParser::PushBack(const IStreamToken& token) { FStream->PushBackToken(token); }

IStreamToken TIEVorlanParser::Peek() {
  IStreamToken token = Next();
  PushBack(token);
  return token;
}

std::string TIEVorlanParser::PeekKeyword() {
  IStreamToken open = Next();
  if (open->DataType() != tkOpenParen) {
    PushBack(open);
    return std::string();
  }
  IStreamToken word = Next();
  PushBack(word);
  PushBack(open);
  return word->DataType() == dtAtom ? word->Text() : std::string();
}

IStreamToken TIEVorlanParser::Expect(int32_t kind, const std::string& where, const char* message) {
  IStreamToken token = Next();
  if (token->DataType() != kind) Fail(where, message);
  return token;
}

void TIEVorlanParser::ExpectClose(const std::string& where) {
  (void)Expect(tkCloseParen, where, kExpectedCloseParen);
}

TIEContext* TIEVorlanParser::Context() const { return FEngine.RootContext(); }

IFactTemplate TIEVorlanParser::TemplateNamed(const std::string& name, const char* where) {
  try {
    return FEngine.FindOrCreateTemplate(name);
  } catch (const EIEException& error) {
    Fail(where, error.what());
  }
}

int32_t TIEVorlanParser::CurrentLine() {
  return FStream ? FStream->CurrentToken()->LineNumber() : 0;
}

std::string TIEVorlanParser::CurrentRecord() const {
  return FStream ? ShortRecord(FStream->ConstructText()) : std::string();
}

TIEVorlanParser::TNestingGuard::TNestingGuard(TIEVorlanParser& parser, const char* where)
    : FParser(parser) {
  if (++FParser.FNesting > kMaxNesting) {
    --FParser.FNesting;
    FParser.Fail(where, FormatMessage(kNestingTooDeep, {kMaxNesting}));
  }
}

// ---- Errors ------------------------------------------------------------------------

std::string TIEVorlanParser::ShortRecord(const std::string& record) {
  if (record.size() < 256) return record;
  return record.substr(0, 128) + "... \r\n" + record.substr(record.size() - 129, 128);
}

void TIEVorlanParser::ParseError(const std::string& where, const std::string& message) {
  int32_t line = CurrentLine();
  int32_t column = FStream ? FStream->CurrentToken()->Column() : 0;
  throw EIEParseException(
      FormatMessage(kParsingError, {message, where, std::to_string(line), CurrentRecord()}), line,
      column);
}

void TIEVorlanParser::Fail(const std::string& where, const std::string& message) {
  ParseError(where, message);
  // An override of ParseError is expected to raise; if it does not, the
  // error is raised here all the same.
  throw EIEParseException(message, CurrentLine());
}

std::string TIEVorlanParser::CollectedErrorText(const std::exception& error) {
  if (dynamic_cast<const EIEParseException*>(&error)) return error.what();
  return FormatMessage(kParsingError,
                       {error.what(), "Parse", std::to_string(CurrentLine()), CurrentRecord()});
}

// ---- Reading a whole text ----------------------------------------------------------

// With ehRaiseImmediate the first error propagates as it is. With
// ehRaiseAllAtEnd every item is executed; after an error the rest of its
// group is skipped and reading goes on, until more than MaxErrors errors
// are held; they are raised together at the end, while everything read
// without error stays in the engine.
void TIEVorlanParser::Parse(bool execute) {
  if (!FStream) return;
  if (ErrorHandling() == ehRaiseImmediate) {
    while (ParseNext(execute)) {
    }
    return;
  }
  std::vector<std::string> errors;
  int32_t firstLine = 0;
  for (;;) {
    try {
      if (!ParseNext(true)) break;
      continue;
    } catch (const std::exception& error) {  // an abort (exit) is none: it ends the program
      if (errors.empty()) {
        auto* parseError = dynamic_cast<const EIEParseException*>(&error);
        firstLine = parseError ? parseError->LineNumber() : CurrentLine();
      }
      errors.push_back(CollectedErrorText(error));
    }
    if (int32_t(errors.size()) > MaxErrors()) break;
    FStream->SkipToTopLevel();
  }
  if (errors.empty()) return;
  if (errors.size() == 1) throw EIEParseException(errors.front(), firstLine);
  std::string joined;
  for (size_t i = 0; i < errors.size(); ++i) {
    if (i > 0) joined.append("\r\n");
    joined.append(errors[i]);
  }
  EIEParseException all(FormatMessage(kErrorsParsingStream, {joined}), firstLine);
  all.Messages() = std::move(errors);
  throw all;
}

TParsedType TIEVorlanParser::GetConstructType(const IStreamToken& token) {
  switch (token->DataType()) {
    case dtAtom:
    case dtInteger:
    case dtVariable:
    case dtFloat:
    case dtMultiVariable:
      return ptValue;
    case tkEndOfStream:
      if (token->Text() != "EOF")
        Fail("GetConstructType", FormatMessage(kUnexpectedSymbol, {token->AsText()}));
      return ptEndOfStream;
    case tkOpenParen:
      break;
    default:
      Fail("GetConstructType", FormatMessage(kUnexpectedSymbol, {token->AsText()}));
  }
  PushBack(token);
  std::string keyword = FStream->PeekConstructKeyword();
  if (keyword == "defrule") return ptRule;
  if (keyword == "deffacts") return ptFactSet;
  if (keyword == "deftemplate") return ptFactTemplate;
  if (keyword == "deffunction") return ptFunction;
  if (keyword == "defglobal") return ptGlobalVariables;
  if (keyword == "deftype") return ptDefinedType;
  if (keyword == "EOF") return ptEndOfStream;
  return ptFunCall;
}

namespace {

bool IsNil(const IIEValue& value) {
  return !value || value == NilValue() || (value->DType() == dtAtom && value->Text().empty());
}

}  // namespace

// One top-level item: a value or call is evaluated (and echoed to "t"), a
// construct is read and added to the engine. OnParse follows either way.
bool TIEVorlanParser::ParseNext(bool execute) {
  if (!FStream) return false;
  IIEValue result = NilValue();
  TObject* object = nullptr;
  Ref<TCounted> item;
  IStreamToken token = Next();
  TParsedType kind = GetConstructType(token);
  switch (kind) {
    case ptValue:
      result = token->ToValue(Context());
      break;
    case ptFunCall:
      result = execute ? EvaluateFunCall() : MakeRef<TIEValue>(IFunCallBase(ParseFunCall()));
      break;
    case ptEndOfStream:
    case ptNil:
      result = EOFValue();
      break;
    default:
      AddConstruct(kind, object, item);
      break;
  }
  bool endOfStream = result == EOFValue();
  TParsedType reported = IsNil(result) ? ptNil : kind;
  if (reported == ptValue || reported == ptFunCall)
    FEngine.PrintOut("t", result->AsText() + "\r\n");
  if (reported != ptNil) item = result;
  ReportParse(reported, object, item);
  return !endOfStream;
}

// Reads the construct of that kind and adds it to the engine; answers the
// rule or fact set made as `object`, the template, function or type as
// `item`.
void TIEVorlanParser::AddConstruct(TParsedType kind, TObject*& object, Ref<TCounted>& item) {
  switch (kind) {
    case ptRule: {
      TRule* rule = ParseRule();
      if (AddParsedRule(FEngine, rule)) object = rule;
      break;
    }
    case ptFactSet: {
      TFactSet* set = ParseFactSet();
      AddParsedFactSet(FEngine, set);
      object = set;
      break;
    }
    case ptFactTemplate: {
      IFactTemplate factTemplate = ParseFactTemplate();
      FEngine.FactTemplates().Add(factTemplate);
      item = factTemplate;
      break;
    }
    case ptFunction: {
      IInterpretedFunction function = ParseFunction();
      FEngine.AddUserFunction(function);
      item = function;
      break;
    }
    case ptGlobalVariables:
      ParseGlobalVariables();
      break;
    case ptDefinedType: {
      IIEDefinedType type = ParseDefinedType();
      FEngine.DefinedTypes().Add(type);
      item = type;
      break;
    }
    default:
      break;
  }
}

void TIEVorlanParser::ReportParse(TParsedType kind, TObject* object, const Ref<TCounted>& item) {
  if (OnParse) OnParse(*this, kind, object, item);
}

bool TIEVorlanParser::ParseFacts() {
  if (!FStream) return false;
  for (;;) {
    IStreamToken token = Peek();
    if (token->DataType() == tkEndOfStream) return true;
    IFact fact = ParseFact();
    FEngine.Assert(fact);
  }
}

// ---- Construct headers -------------------------------------------------------------

TConstructHeader TIEVorlanParser::ParseHeader(const std::string& keyword,
                                              const std::string& errorMessage,
                                              const std::string& where, bool commentAllowed) {
  IStreamToken open = Next();
  if (open->DataType() != tkOpenParen) Fail(where, errorMessage);
  IStreamToken word = Next();
  if (word->DataType() != dtAtom || word->Text() != keyword) Fail(where, errorMessage);
  IStreamToken name = Next();
  if (name->DataType() != dtAtom) Fail(where, kMissingName);
  TConstructHeader header{name->Text(), std::string(), Next()};
  if (commentAllowed && header.Next->DataType() == dtString) {
    header.Comment = header.Next->Text();
    header.Next = Next();
  }
  return header;
}

}  // namespace vettora
