// TIEVorlanParser: `deftype` and the statements a type and a slot share --
// range, cardinality, units and allowed values.
#include <cctype>
#include <cmath>
#include <limits>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWhereType = "ParseDefinedType";
constexpr const char* kOpenBound = "VARIABLE";

// A bound as a 32-bit integer: truncated, and held inside the range.
int32_t CardinalityBound(double value) {
  if (std::isnan(value)) return 0;
  if (value <= double(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  if (value >= double(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  return int32_t(value);
}

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && !b[i];
}

// The constraint kinds an allowed-values word puts in force.
bool AllowedWord(const std::string& word, TValueConstraints& kinds) {
  static const struct {
    const char* Word;
    TValueConstraints Kinds;
  } kWords[] = {
      {"allowed-values", TValueConstraints::All()},
      {"allowed-lexemes", {vcAtom, vcString}},
      {"allowed-strings", {vcString}},
      {"allowed-symbols", {vcAtom}},
      {"allowed-numbers", {vcInteger, vcFloat}},
      {"allowed-integers", {vcInteger}},
      {"allowed-floats", {vcFloat}},
  };
  for (const auto& entry : kWords)
    if (word == entry.Word) {
      kinds = entry.Kinds;
      return true;
    }
  return false;
}

// The text of a value as the conversions of allowed values read it.
std::string TextOf(const IIEValue& value) {
  return IsTextKind(value->DType()) ? value->Text() : value->AsText();
}

// A value converted for the list an allowed-values word names.
IIEValue ConvertAllowed(const std::string& word, const IIEValue& value) {
  TIEType kind = value->DType();
  if (word == "allowed-lexemes")
    return kind == dtAtom || kind == dtString ? value : MakeString(value->AsText());
  if (word == "allowed-strings") return MakeString(TextOf(value));
  if (word == "allowed-symbols") return MakeAtom(TextOf(value));
  if (word == "allowed-numbers")
    return kind == dtInteger || kind == dtFloat ? value : MakeInteger(value->AsInteger());
  if (word == "allowed-integers") return MakeInteger(value->AsInteger());
  if (word == "allowed-floats") return MakeFloat(value->AsNumeric());
  return value;
}

}  // namespace

// (deftype <name> [<comment>] extends (type <type-word>*) <facet>*)
IIEDefinedType TIEVorlanParser::ParseDefinedType() {
  TConstructHeader header = ParseHeader("deftype", kExpectedDeftype, kWhereType, true);
  IIEDefinedType type = TIEDefinedType::Create(&FEngine);
  type->SetName(header.Name);
  type->SetComment(header.Comment);
  if (header.Next->DataType() != dtAtom || header.Next->Text() != "extends")
    Fail(kWhereType, FormatMessage(kMissingKeyword, {"extends"}));
  (void)Expect(tkOpenParen, kWhereType, kExpectedOpenParen);
  IStreamToken word = Next();
  if (word->DataType() != dtAtom || word->Text() != "type")
    Fail(kWhereType, FormatMessage(kMissingKeyword, {"type"}));
  TSlotTypes base = ParseSlotTypes();
  if (base.DefinedType) {
    type->Assign(*base.DefinedType);
    type->SetName(header.Name);
    type->SetComment(header.Comment);
    type->SetAncestor(base.DefinedType);
    base.Types = base.Types | base.DefinedType->BaseTypes();
  }
  try {
    type->SetBaseTypes(base.Types);
  } catch (const EIEException& error) {
    Fail(kWhereType, error.what());
  }
  ExpectClose(kWhereType);
  if (base.Types.Contains(dtFuzzy)) {
    IFuzzyVariable variable = ParseFuzzyVariable();
    type->SetFuzzyVariable(variable);
    variable->SetName(type->Name());
    type->SetUnits(variable->Units());
  } else {
    while (Peek()->DataType() == tkOpenParen) ParseFacet(*type);
  }
  ExpectClose(kWhereType);
  if (OnParseDefinedType) OnParseDefinedType(*this, type);
  return type;
}

// (range ...), (cardinality ...), (units <word>) or an allowed-values
// statement, with its ")".
void TIEVorlanParser::ParseFacet(TIEDefinedType& type) {
  std::string keyword = PeekKeyword();
  if (keyword == "range" || keyword == "cardinality") {
    ParseRangeStatement(type, keyword == "cardinality", kWhereType);
  } else {
    (void)Next();  // the "("
    IStreamToken word = Next();
    if (word->DataType() == dtAtom && word->Text() == "units")
      type.SetUnits(ParseUnits());
    else
      ParseAllowedValues(type, word, kWhereType);
  }
  ExpectClose(kWhereType);
}

// The word after "units": its printable form, a string's own text.
std::string TIEVorlanParser::ParseUnits() {
  IStreamToken word = Next();
  if (word->DataType() == tkCloseParen || word->DataType() == tkEndOfStream) {
    PushBack(word);
    return std::string();
  }
  return word->DataType() == dtString ? word->Text() : word->AsText();
}

// (range <low> <high>) or (cardinality <low> <high>), up to (not
// including) the ")".
void TIEVorlanParser::ParseRangeStatement(TIEDefinedType& type, bool cardinality,
                                          const std::string& where) {
  (void)Expect(tkOpenParen, where, kExpectedOpenParen);
  IStreamToken word = Next();
  if (word->DataType() != dtAtom || (!cardinality && !EqualsIgnoringCase(word->Text(), "range")))
    Fail(where, kMissingRangeStatement);
  const char* what = cardinality ? "cardinality" : "range";
  double low = 0, high = 0;
  bool hasLow = false, hasHigh = false;
  ParseBounds(what, true, where, low, hasLow, high, hasHigh);
  if (cardinality) {
    type.SetCardinalityLimited(true);
    type.SetMinCardinality(hasLow ? CardinalityBound(low) : 0);
    type.SetMaxCardinality(hasHigh ? CardinalityBound(high) : TIEDefinedType::kNoMaxCardinality);
  } else {
    type.SetRangeLimited(true);
    type.SetMinRange(hasLow ? low : TIEDefinedType::kNoMinRange);
    type.SetMaxRange(hasHigh ? high : TIEDefinedType::kNoMaxRange);
  }
}

void TIEVorlanParser::ParseBounds(const char* what, bool variablesAllowed, const std::string& where,
                                  double& low, bool& hasLow, double& high, bool& hasHigh) {
  hasLow = ParseBound(what, variablesAllowed, where, low);
  hasHigh = ParseBound(what, variablesAllowed, where, high);
}

// An integer, a float, a variable or a call; false for the open bound
// "?VARIABLE". Calls are evaluated at once and other variables read in the
// engine's context, so a global works.
bool TIEVorlanParser::ParseBound(const char* what, bool variablesAllowed, const std::string& where,
                                 double& bound) {
  IStreamToken token = Next();
  IIEValue value;
  switch (token->DataType()) {
    case dtInteger:
    case dtFloat:
      bound = token->Number();
      return true;
    case dtVariable:
      if (!variablesAllowed) Fail(where, kExpectedValueMissing);
      if (token->Text() == kOpenBound) return false;
      value = token->ToValue(Context());
      break;
    case tkOpenParen:
      PushBack(token);
      value = ParseFunCall()->Execute(Context());
      break;
    default:
      Fail(where, FormatMessage(kExpectedBound, {what}));
  }
  try {
    bound = value ? value->AsNumeric() : 0;
  } catch (const std::exception& error) {
    Fail(where, error.what());
  }
  return true;
}

// (allowed-<kind> <value>*) after its "(", up to (not including) the ")".
void TIEVorlanParser::ParseAllowedValues(TIEDefinedType& type, const IStreamToken& word,
                                         const std::string& where) {
  TValueConstraints kinds;
  if (word->DataType() != dtAtom || !AllowedWord(word->Text(), kinds))
    Fail(where, FormatMessage(kExpectedAllowedValue, {word->AsText()}));
  type.SetConstraints(type.Constraints() | kinds);
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen || token->DataType() == tkEndOfStream) {
      PushBack(token);
      return;
    }
    IIEValue value;
    if (token->DataType() == tkOpenParen) {
      PushBack(token);
      value = ParseFunCall()->Execute(Context());
    } else {
      value = token->ToValue(Context());
    }
    if (!value) continue;
    try {
      type.AddAllowedValue(ConvertAllowed(word->Text(), value));
    } catch (const std::exception& error) {
      Fail(where, error.what());
    }
  }
}

}  // namespace vettora
