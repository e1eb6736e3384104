// TIEVorlanParser: the fuzzy forms -- singleton points, terms and the body
// of a fuzzy variable.
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "fuzzy/fuzzy_expression.h"
#include "fuzzy/ie_fuzzy_variable.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "reader/parse_exception.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/singletons_vector.h"

namespace vettora {

namespace {

constexpr const char* kWherePoints = "ParseFuzzyPoints";
constexpr const char* kWhereSet = "ParseFuzzySet";
constexpr const char* kWhereVariable = "ParseFuzzyVariable";

}  // namespace

// ((x y) (x y) ...)
ISingletonsVector TIEVorlanParser::ParseFuzzyPoints() {
  TNestingGuard nesting(*this, kWherePoints);
  (void)Expect(tkOpenParen, kWherePoints, kExpectedOpenParen);
  ISingletonsVector points = MakeRef<TSingletonsVector>();
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen) break;
    if (token->DataType() != tkOpenParen) Fail(kWherePoints, kExpectedOpenParen);
    IIEValue x = FuzzyPointCoordinate();
    IIEValue y = FuzzyPointCoordinate();
    ExpectClose(kWherePoints);
    points->Add(std::move(x), std::move(y));
  }
  return points;
}

// An integer, a float, a variable or a call (kept as a call value).
IIEValue TIEVorlanParser::FuzzyPointCoordinate() {
  IStreamToken token = Next();
  switch (token->DataType()) {
    case dtInteger:
    case dtFloat:
    case dtVariable:
      return token->ToValue();
    case tkOpenParen:
      PushBack(token);
      return MakeRef<TIEValue>(IFunCallBase(ParseFunCall()));
    default:
      Fail(kWherePoints, kExpectedPointCoordinate);
  }
}

// (term <name> <value-sequence>): the sequence, evaluated and made a fuzzy
// value of `variable`, named as the term.
IFuzzySet TIEVorlanParser::ParseFuzzySet(TIFuzzyVariable& variable) {
  TNestingGuard nesting(*this, kWhereSet);
  TConstructHeader header = ParseHeader("term", kExpectedTerm, kWhereSet, false);
  PushBack(header.Next);
  IIEValue value = ParseValue();
  IIEValue fuzzy;
  try {
    fuzzy = value->Evaluate(Context());
    if (!fuzzy || fuzzy->DType() != dtFuzzy)
      fuzzy = EvaluateFuzzyExpression(&variable, fuzzy, Context());
  } catch (const EIEParseException&) {
    throw;
  } catch (const std::exception& error) {
    Fail(kWhereSet, error.what());
  }
  TIFuzzySet* found = fuzzy ? FuzzySetOf(*fuzzy) : nullptr;
  if (!found) Fail(kWhereSet, FormatMessage(kInvalidFuzzyExpression, {value->AsText()}));
  // A term of a variable is never changed: a term written as another
  // term's name gets a copy.
  IFuzzySet set = found->IsTerm() ? found->Clone() : IFuzzySet(found);
  try {
    set->SetName(header.Name);
  } catch (const std::exception& error) {
    Fail(kWhereSet, error.what());
  }
  if (!set->Variable()) set->SetVariable(&variable);
  ExpectClose(kWhereSet);
  if (OnParseFuzzySet) OnParseFuzzySet(*this, set);
  return set;
}

// (range <low> <high>) (units <word>) (values <term>*), in any order, up
// to (not including) the ")" that ends the body.
IFuzzyVariable TIEVorlanParser::ParseFuzzyVariable() {
  IFuzzyVariable variable = MakeRef<TIEFuzzyVariable>();
  variable->SetParser(static_cast<IFuzzyParser*>(&FEngine));
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen) {
      PushBack(token);
      break;
    }
    if (token->DataType() != tkOpenParen) Fail(kWhereVariable, kExpectedOpenParen);
    IStreamToken word = Next();
    std::string keyword = word->DataType() == dtAtom ? word->Text() : std::string();
    if (keyword == "range") {
      double low = 0, high = 0;
      bool hasLow = false, hasHigh = false;
      ParseBounds("range", false, kWhereVariable, low, hasLow, high, hasHigh);
      variable->SetMinimum(low);
      variable->SetMaximum(high);
    } else if (keyword == "units") {
      variable->SetUnits(ParseUnits());
    } else if (keyword == "values") {
      while (Peek()->DataType() == tkOpenParen) variable->AddTerm(ParseFuzzySet(*variable));
    } else {
      Fail(kWhereVariable, FormatMessage(kMissingKeyword, {"range, units, or values"}));
    }
    ExpectClose(kWhereVariable);
  }
  if (OnParseFuzzyVariable) OnParseFuzzyVariable(*this, variable);
  return variable;
}

}  // namespace vettora
