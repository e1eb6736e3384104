// TIEVorlanParser: conditional elements, patterns and slot constraints.
#include <memory>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "fuzzy/fuzzy_expression.h"
#include "knowledge/messages.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rule_engine.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWherePattern = "ParsePattern";
constexpr const char* kReturnValuePrefix = "_eq_";

}  // namespace

// The constraints of one slot while they are read.
struct TIEVorlanParser::TConstraintState {
  TIEPattern& Pattern;
  const TFactSlot& Slot;
  TVariableList& Variables;
  bool Multi;
  // 0-based position in a multislot, -1 for a single-field slot.
  int32_t Field;
  // Joined to the previous constraint by "&" (true) or "|" (false).
  bool Conjunction = true;
};

std::unique_ptr<TIEPattern> TIEVorlanParser::ParsePattern(int32_t negationDepth,
                                                          TVariableList& variables) {
  std::unique_ptr<TIEPattern> pattern = ParseConditionalElement(negationDepth, variables);
  if (OnParsePattern) OnParsePattern(*this, *pattern);
  return pattern;
}

// (not <ce>) | (exists <ce>) | (unique <ce>) | (explicit <ce>) |
// (test <call>) | (<template> ...)
std::unique_ptr<TIEPattern> TIEVorlanParser::ParseConditionalElement(int32_t negationDepth,
                                                                     TVariableList& variables) {
  TNestingGuard nesting(*this, kWherePattern);
  IStreamToken open = Next();
  if (open->DataType() != tkOpenParen) Fail(kWherePattern, kExpectedOpenAtom);
  IStreamToken word = Next();
  if (word->DataType() != dtAtom) Fail(kWherePattern, kExpectedOpenAtom);
  std::string comment = TrimText(open->WhiteSpace());
  const std::string& name = word->Text();
  std::unique_ptr<TIEPattern> pattern;
  if (name == "not" || name == "exists" || name == "unique" || name == "explicit") {
    int32_t depth = negationDepth + (name == "not" ? 1 : name == "exists" ? 2 : 0);
    pattern = ParseConditionalElement(depth, variables);
    if (name == "unique") pattern->SetUnique(true);
    if (name == "explicit") pattern->SetExplicit(true);
    ExpectClose(kWherePattern);
  } else if (name == "test") {
    pattern = ParseTestElement(negationDepth);
  } else {
    pattern = ParseTemplatePattern(name, negationDepth, variables);
  }
  if (!comment.empty()) pattern->SetComment(comment);
  return pattern;
}

// (test <call>): one test on "__Data" of the implied template "test",
// negated when the element stands under an odd number of negations.
std::unique_ptr<TIEPattern> TIEVorlanParser::ParseTestElement(int32_t negationDepth) {
  auto pattern = std::make_unique<TIEPattern>(TemplateNamed(kTestPatternName, kWherePattern));
  IFunCall call = ParseFunCall();
  TSlotTestType type = (negationDepth & 1) != 0 ? sttNotEquals : sttEquals;
  pattern->AddTest(kImpliedSlotName, MakeRef<TIEValue>(IFunCallBase(call)), type, -1, true);
  ExpectClose(kWherePattern);
  return pattern;
}

// (<template> <constraint>*) for an implied template, else
// (<template> (<slot> <constraint>*)*).
std::unique_ptr<TIEPattern> TIEVorlanParser::ParseTemplatePattern(const std::string& name,
                                                                  int32_t negationDepth,
                                                                  TVariableList& variables) {
  IFactTemplate factTemplate = TemplateNamed(name, kWherePattern);
  auto pattern = std::make_unique<TIEPattern>(factTemplate);
  pattern->SetNegatedCount(negationDepth);
  if (TFactSlot* data = factTemplate->FindSlot(kImpliedSlotName)) {
    ParseSlotConstraints(*pattern, *data, variables);
    return pattern;
  }
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen) break;
    if (token->DataType() != tkOpenParen) Fail(kWherePattern, kExpectedOpenParen);
    IStreamToken slotName = Next();
    if (slotName->DataType() != dtAtom)
      Fail(kWherePattern, FormatMessage(kBadSlotName, {slotName->AsText()}));
    TFactSlot* slot = factTemplate->FindSlot(slotName->Text());
    if (!slot) Fail(kWherePattern, FormatMessage(kNoSuchSlotName, {slotName->Text()}));
    ParseSlotConstraints(*pattern, *slot, variables);
  }
  return pattern;
}

// <constraint> { & | "|" | blank } ... up to and including the ")".
void TIEVorlanParser::ParseSlotConstraints(TIEPattern& pattern, const TFactSlot& slot,
                                           TVariableList& variables) {
  TConstraintState state{pattern, slot, variables, slot.IsMultiSlot(), slot.IsMultiSlot() ? 0 : -1};
  int32_t fields = 0;
  IStreamToken token = Next();
  while (token->DataType() != tkCloseParen) {
    ParseConstraint(state, token);
    if (state.Multi) fields = state.Field + 1;
    token = Next();
    if (token->DataType() == tkCloseParen) break;
    if (token->DataType() == tkAmpersand || token->DataType() == tkBar) {
      if (token->DataType() == tkBar) state.Conjunction = false;
      token = Next();
      // A ")" right after "&" or "|" is a missing constraint.
      if (token->DataType() == tkCloseParen) ParseConstraint(state, token);
      continue;
    }
    if (!state.Multi) Fail(kWherePattern, FormatMessage(kSlotNotMultislot, {slot.Name()}));
    ++state.Field;
    state.Conjunction = true;
  }
  if (state.Multi) pattern.SetSlotLength(slot.Name(), fields);
}

// One constraint, `token` being its first token: [~] followed by a
// constant, a variable, ":" <call> or "=" <call>.
void TIEVorlanParser::ParseConstraint(TConstraintState& state, const IStreamToken& first) {
  IStreamToken token = first;
  bool negated = false;
  if (token->DataType() == tkTilde) {
    negated = true;
    token = Next();
  }
  TIEType kind = TIEType(token->DataType() < kTIETypeCount ? token->DataType() : dtNone);
  bool isVariable = kind == dtVariable || kind == dtMultiVariable;
  bool isPredicate = kind == dtAtom && token->Text() == ":";
  if (state.Slot.IsFuzzy() && !isVariable && !isPredicate && token->DataType() != tkEndOfStream) {
    PushBack(token);
    AddTest(state, FuzzyConstraintValue(state), negated);
    return;
  }
  switch (token->DataType()) {
    case dtAtom:
      if (isPredicate) {
        IFunCall call = ParseFunCall();
        AddTest(state, MakeRef<TIEValue>(IFunCallBase(call)), negated);
      } else {
        AddTest(state, token->ToValue(), negated);
      }
      return;
    case dtString:
    case dtInteger:
    case dtFloat:
      AddTest(state, token->ToValue(), negated);
      return;
    case dtVariable:
    case dtMultiVariable:
      AddTest(state, PatternVariable(token, state.Variables), negated);
      return;
    case tkEquals:
      AddReturnValueConstraint(state, negated);
      return;
    default:
      Fail(kWherePattern, FormatMessage(kBadSlotValue, {token->AsText()}));
  }
}

void TIEVorlanParser::AddTest(TConstraintState& state, IIEValue value, bool negated) {
  state.Pattern.AddTest(state.Slot.Name(), std::make_unique<TIEPatternMatchTest>(
                                               std::move(value), negated ? sttNotEquals : sttEquals,
                                               state.Field, state.Conjunction));
}

// "=" <call>: a fresh variable for the field, then the predicate
// (eq* ?_eq_N <call>) on it. The value stands for one field, so the
// variable is single-field in a multislot too.
void TIEVorlanParser::AddReturnValueConstraint(TConstraintState& state, bool negated) {
  std::string name = UniqueName(kReturnValuePrefix);
  TIEType kind = dtVariable;
  state.Variables.emplace(name, kind);
  IIEValue variable = MakeRef<TIEValue>(name, kind);
  AddTest(state, variable, false);
  IFunCall inner = ParseFunCall();
  IFunCall eq = MakeRef<TFunctionCall>(static_cast<IReasoner*>(&FEngine), "eq*");
  eq->AddArgument(variable);
  eq->AddCallArgument(inner);
  bool conjunction = state.Conjunction;
  state.Conjunction = true;
  AddTest(state, MakeRef<TIEValue>(IFunCallBase(eq)), negated);
  state.Conjunction = conjunction;
}

// A value sequence in a fuzzy slot, evaluated and made a fuzzy value of
// the slot type's variable.
IIEValue TIEVorlanParser::FuzzyConstraintValue(const TConstraintState& state) {
  IIEValue value = ParseValue();
  IIEValue evaluated = value->Evaluate(Context());
  const IIEDefinedType& type = state.Slot.ExtendedTypeInfo();
  TIFuzzyVariable* variable = type ? type->FuzzyVariable().Get() : nullptr;
  return FuzzyValueOf(evaluated, variable, kWherePattern);
}

// The variable's value with the kind of its first use in the rule.
IIEValue TIEVorlanParser::PatternVariable(const IStreamToken& token, TVariableList& variables) {
  auto kind = TIEType(token->DataType());
  auto [entry, added] = variables.emplace(token->Text(), kind);
  return MakeRef<TIEValue>(token->Text(), entry->second);
}

}  // namespace vettora
