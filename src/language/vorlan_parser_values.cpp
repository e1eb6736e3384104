// TIEVorlanParser: value sequences, lists, and the values of slots with
// their static type checks.
#include <cctype>
#include <cmath>
#include <limits>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "fuzzy/fuzzy_expression.h"
#include "knowledge/knowledge_printer.h"
#include "knowledge/messages.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/singletons_vector.h"

namespace vettora {

namespace {

constexpr const char* kWhereValue = "ParseValue";
constexpr const char* kWhereList = "ParseList";
constexpr const char* kWhereSlotValue = "ParseValue(SlotTypes)";
constexpr const char* kWhereFactSlotValue = "ParseValue(Fact Slot)";

bool IsConstantOrVariable(int32_t kind) {
  return kind == dtAtom || kind == dtString || kind == dtInteger || kind == dtVariable ||
         kind == dtFloat || kind == dtMultiVariable;
}

// Kinds a static check lets pass: they are known only once evaluated.
bool PassesUnchecked(TIEType kind) {
  return kind == dtNone || kind == dtVariable || kind == dtFunCall || kind == dtMultiVariable;
}

// A multifield with a variable or call among its elements.
bool HoldsUnevaluated(const TIEValue& value) {
  if (value.DType() != dtList) return false;
  for (const IIEValue& element : *value.AsList())
    if (element && PassesUnchecked(element->DType()) && element->DType() != dtNone) return true;
  return false;
}

IIEValue ListOf(std::vector<IIEValue>& values) {
  IValueVector list = MakeRef<TValueVector>();
  for (IIEValue& value : values) list->Add(std::move(value));
  return MakeList(list);
}

}  // namespace

// A value sequence: the one value read, or a list of all of them.
IIEValue TIEVorlanParser::ParseValue() {
  TNestingGuard nesting(*this, kWhereValue);
  std::vector<IIEValue> values = ParseValueItems(false, kWhereValue);
  if (values.size() == 1) return values.front();
  return ListOf(values);
}

// Always a list: multislot values and defaults, the data of an implied
// template's fact.
IIEValue TIEVorlanParser::ParseList() {
  TNestingGuard nesting(*this, kWhereList);
  std::vector<IIEValue> values = ParseValueItems(true, kWhereList);
  return ListOf(values);
}

// Values up to a ")" or the end of the stream, which is given back.
// Constants and variables stand for themselves, "[" and "]" are atoms, a
// "(" starts a call or, as "((", fuzzy points. In a sequence any other
// token ends it once values have been read; in a fact's list "=" must
// start a call and any other token is an error.
std::vector<IIEValue> TIEVorlanParser::ParseValueItems(bool inFact, const char* where) {
  std::vector<IIEValue> values;
  for (;;) {
    IStreamToken token = Next();
    int32_t kind = token->DataType();
    if (kind == tkCloseParen || kind == tkEndOfStream) {
      PushBack(token);
      return values;
    }
    if (IsConstantOrVariable(kind)) {
      values.push_back(token->ToValue());
    } else if (kind == tkOpenBracket || kind == tkCloseBracket) {
      values.push_back(MakeAtom(token->AsText()));
    } else if (kind == tkOpenParen) {
      PushBack(token);
      values.push_back(ParseParenthesisedValue());
    } else if (inFact && kind == tkEquals) {
      if (Peek()->DataType() != tkOpenParen) Fail(where, kEqualsInFact);
      values.push_back(MakeRef<TIEValue>(IFunCallBase(ParseFunCall())));
    } else if (inFact) {
      Fail(where, FormatMessage(kBadSlotValue, {token->AsText()}));
    } else if (!values.empty()) {
      PushBack(token);
      return values;
    } else {
      Fail(where, FormatMessage(kBadArgument, {token->AsText()}));
    }
  }
}

// A "(" that comes next: a call value, or a singletons value for "((".
IIEValue TIEVorlanParser::ParseParenthesisedValue() {
  IStreamToken open = Next();
  bool points = Peek()->DataType() == tkOpenParen;
  PushBack(open);
  if (points) return MakeRef<TIEValue>(ParseFuzzyPoints());
  return MakeRef<TIEValue>(IFunCallBase(ParseFunCall()));
}

// The value of a slot of the given kinds: a list for a multislot, a fuzzy
// value for a fuzzy slot, otherwise a single constant, variable or call.
IIEValue TIEVorlanParser::ParseSlotValue(TIETypes types, const IIEDefinedType& definedType,
                                         const std::string& slotName) {
  IIEValue value;
  bool fuzzy = types.Contains(dtFuzzy);
  TIFuzzyVariable* variable = definedType ? definedType->FuzzyVariable().Get() : nullptr;
  if (fuzzy && !variable) Fail(kWhereSlotValue, kFuzzyTypeNeeded);
  if (types.Contains(dtMultiSlot)) {
    value = ParseList();
    if (fuzzy) {
      value = FuzzyValueOf(value, variable, kWhereSlotValue);
      if (value == NilValue())
        Fail(kWhereSlotValue, FormatMessage(kInvalidFuzzyExpression, {value->AsText()}));
    }
  } else if (fuzzy) {
    value = FuzzyValueOf(ParseValue(), variable, kWhereSlotValue);
  } else {
    value = ParseSingleSlotValue(kWhereSlotValue);
  }
  return StaticTypeChecks() ? CheckedSlotValue(value, types, definedType, slotName) : value;
}

IIEValue TIEVorlanParser::ParseSingleSlotValue(const char* where) {
  IStreamToken token = Next();
  int32_t kind = token->DataType();
  if (IsConstantOrVariable(kind)) return token->ToValue();
  if (kind == tkOpenParen) {
    PushBack(token);
    return MakeRef<TIEValue>(IFunCallBase(ParseFunCall()));
  }
  if (kind == tkEquals) {
    if (Peek()->DataType() != tkOpenParen) Fail(where, kEqualsInFact);
    return MakeRef<TIEValue>(IFunCallBase(ParseFunCall()));
  }
  Fail(where, FormatMessage(kBadSlotValue, {token->AsText()}));
}

// A value made fuzzy by the fuzzy-expression evaluation of `variable`;
// one that is fuzzy already stays as it is. Without an evaluation context a
// variable or call in the expression is left for later (the value is then
// returned unchanged).
IIEValue TIEVorlanParser::FuzzyValueOf(const IIEValue& value, TIFuzzyVariable* variable,
                                       const char* where) {
  if (!variable) Fail(where, kFuzzyTypeNeeded);
  if (value && value->DType() == dtFuzzy) return value;
  try {
    return EvaluateFuzzyExpression(variable, value, nullptr);
  } catch (const std::exception& error) {
    Fail(where, error.what());
  }
}

// The static check of a slot value: through the defined type when there is
// one, otherwise by kind, converting between integers and floats where the
// slot takes the other one.
IIEValue TIEVorlanParser::CheckedSlotValue(IIEValue value, TIETypes types,
                                           const IIEDefinedType& definedType,
                                           const std::string& slotName) {
  TIEType kind = value ? value->DType() : dtNone;
  if (PassesUnchecked(kind)) return value;
  if (definedType) {
    if (!definedType->Validate(value)) Fail(kWhereSlotValue, definedType->ValidationMessage(value));
    return value;
  }
  if (types.Contains(kind)) return value;
  if (kind == dtFloat && types.Contains(dtInteger)) {
    double number = value->AsFloat();
    if (std::isfinite(number) && number >= double(std::numeric_limits<int32_t>::min()) &&
        number < -double(std::numeric_limits<int32_t>::min()))
      return MakeInteger(int32_t(number));
  }
  if (kind == dtInteger && types.Contains(dtFloat)) return MakeFloat(value->AsInteger());
  std::string text =
      FormatMessage(kSlotNotAType, {KindList(types), value->AsText(), TypeName(kind)});
  Fail(kWhereSlotValue, FormatMessage(kSlotTypeError, {text, slotName}));
}

// A fact's slot value: read for the slot's kinds, then checked by the slot
// itself. A value holding variables or calls is checked once it is known,
// when the fact is asserted.
IIEValue TIEVorlanParser::ParseFactSlotValue(const TFactSlot& slot) {
  IIEValue value = ParseSlotValue(slot.SlotType(), slot.ExtendedTypeInfo(), slot.Name());
  if (!StaticTypeChecks() || !value || PassesUnchecked(value->DType()) ||
      HoldsUnevaluated(*value) || slot.Admits(value))
    return value;
  if (value->DType() == dtInteger && slot.SlotType().Contains(dtFloat))
    return MakeFloat(value->AsInteger());
  std::string message = slot.TypeError(value);
  if (message.empty()) return value;  // the slot's own check lets it pass
  Fail(kWhereFactSlotValue, message);
}

}  // namespace vettora
