// Fuzzy expressions: conversion of an item list to postfix (shunting yard
// with brackets) and evaluation of the postfix form with a value stack.

#include "fuzzy/fuzzy_expression.h"

#include <vector>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_words.h"
#include "fuzzy/ifuzzy_set.h"
#include "fuzzy/messages.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

enum TItemClass : uint8_t { icOperand, icOpen, icClose, icOperator };

// One item of an expression; Word.Kind is fwkNone for operands and
// brackets.
struct TFuzzyItem {
  TItemClass Class = icOperand;
  TFuzzyWord Word;
  IIEValue Value;
};
using TPostfix = std::vector<TFuzzyItem>;

TFuzzyItem ClassifyItem(const IIEValue& value) {
  TFuzzyItem item{icOperand, {}, value};
  if (!value || (value->DType() != dtAtom && value->DType() != dtString)) return item;
  const std::string& text = value->Text();
  if (text == "[")
    item.Class = icOpen;
  else if (text == "]")
    item.Class = icClose;
  else if ((item.Word = ClassifyFuzzyWord(text)).Kind != fwkNone)
    item.Class = icOperator;
  return item;
}

std::string ItemText(const TFuzzyItem& item) { return item.Value ? item.Value->AsText() : ""; }

// Precedences: on the stack "[" 4, operators 3, hedges 2; arriving "[" 0,
// operators 3, hedges 1. An arriving item moves every stacked item of equal
// or lower precedence to the output first.
int StackPrecedence(const TFuzzyItem& item) {
  if (item.Class == icOpen) return 4;
  return item.Word.Kind == fwkHedge ? 2 : 3;
}

int ArrivingPrecedence(const TFuzzyItem& item) {
  if (item.Class == icOpen) return 0;
  return item.Word.Kind == fwkHedge ? 1 : 3;
}

// The shunting yard. Juxtaposed operands close the current expression and
// start a new one.
class TPostfixBuilder {
 public:
  void Feed(const IIEValue& value) {
    TFuzzyItem item = ClassifyItem(value);
    switch (item.Class) {
      case icClose:
        return CloseBracket();
      case icOperand:
        return AddOperand(std::move(item));
      case icOpen:
        ++FDepth;
        break;
      case icOperator:
        break;
    }
    int arriving = ArrivingPrecedence(item);
    while (!FStack.empty() && arriving >= StackPrecedence(FStack.back())) MoveTop();
    FStack.push_back(std::move(item));
    FLastWasOperand = false;
  }

  std::vector<TPostfix> Finish() {
    CloseExpression();
    return std::move(FOutput);
  }

 private:
  void CloseBracket() {
    if (FDepth == 0) throw EFuzzyError(kFuzzyMissingOpenBracket);
    --FDepth;
    while (FStack.back().Class != icOpen) MoveTop();
    FStack.pop_back();
    FLastWasOperand = true;
  }

  void AddOperand(TFuzzyItem item) {
    if (FLastWasOperand) {
      CloseExpression();
      FOutput.emplace_back();
    }
    FOutput.back().push_back(std::move(item));
    FLastWasOperand = true;
  }

  void CloseExpression() {
    if (FDepth > 0) throw EFuzzyError(kFuzzyMissingCloseBracket);
    while (!FStack.empty()) MoveTop();
  }

  void MoveTop() {
    FOutput.back().push_back(std::move(FStack.back()));
    FStack.pop_back();
  }

  std::vector<TPostfix> FOutput = std::vector<TPostfix>(1);
  std::vector<TFuzzyItem> FStack;
  int FDepth = 0;
  bool FLastWasOperand = false;
};

// A value on the evaluation stack. Fresh sets were made by this evaluation
// and may be changed in place; others are copied first. Number holds the
// operand's number when it was one.
struct TOperand {
  IFuzzySet Set;
  bool Fresh = false;
  std::optional<TFzyFloat> Number;
};

enum TEvalStatus : uint8_t { esFuzzy, esUnresolved, esEmpty };

class TPostfixEvaluator {
 public:
  TPostfixEvaluator(TIFuzzyVariable* variable, IEvalContext* context)
      : FVariable(variable), FContext(context) {}

  TEvalStatus Run(const TPostfix& postfix, IFuzzySet& result) {
    FStack.clear();
    for (const TFuzzyItem& item : postfix) {
      if (item.Class == icOperand) {
        if (!PushOperand(item)) return esUnresolved;
      } else {
        Apply(item);
      }
    }
    if (FStack.empty()) return esEmpty;
    result = FStack.back().Set;
    return esFuzzy;
  }

 private:
  bool PushOperand(const TFuzzyItem& item) {
    TOperand operand;
    IIEValue value = ResolveFuzzyValue(FVariable, item.Value, FContext, &operand.Number);
    TIFuzzySet* set = value ? FuzzySetOf(*value) : nullptr;
    if (!set) return false;
    operand.Set = set;
    FStack.push_back(std::move(operand));
    return true;
  }

  TOperand Pop(const TFuzzyItem& item) {
    if (FStack.empty()) throw EFuzzyError(FormatMessage(kFuzzyMissingOperand, {ItemText(item)}));
    TOperand top = std::move(FStack.back());
    FStack.pop_back();
    return top;
  }

  static IFuzzySet Modifiable(const TOperand& operand) {
    return operand.Fresh ? operand.Set : operand.Set->Clone();
  }

  void Apply(const TFuzzyItem& item) {
    const TFuzzyWord& word = item.Word;
    IFuzzySet result;
    if (word.Kind == fwkHedge) {
      result = Modifiable(Pop(item));
      result->ApplyHedge(TFuzzyHedge(word.Code));
    } else if (word.Kind == fwkArithmetic) {
      TOperand number = Pop(item);
      result = Modifiable(Pop(item));
      TFzyFloat x = number.Number ? *number.Number : number.Set->DefuzzifiedValue();
      result->ApplyOperator(TFuzzyArithmetic(word.Code), word.OnX, x);
    } else {
      TOperand right = Pop(item);
      TOperand left = Pop(item);
      TFuzzyOperation op = TFuzzyOperation(word.Code);
      result =
          word.IsUnion ? left.Set->Union(*right.Set, op) : left.Set->Intersection(*right.Set, op);
    }
    FStack.push_back(TOperand{std::move(result), true, std::nullopt});
  }

  TIFuzzyVariable* FVariable;
  IEvalContext* FContext;
  std::vector<TOperand> FStack;
};

IIEValue FuzzyValue(IFuzzySet set) { return MakeRef<TIEValue>(IFuzzySetBase(std::move(set))); }

}  // namespace

IIEValue EvaluateFuzzyList(TIFuzzyVariable* variable, const IIEValue& list, IEvalContext* context) {
  TPostfixBuilder builder;
  for (const IIEValue& item : *list->AsList()) builder.Feed(item);
  std::vector<TPostfix> expressions = builder.Finish();
  TPostfixEvaluator evaluator(variable, context);
  IValueVector results = MakeRef<TValueVector>();
  for (const TPostfix& postfix : expressions) {
    IFuzzySet set;
    TEvalStatus status = evaluator.Run(postfix, set);
    if (status == esUnresolved) return list;
    if (status == esEmpty) return NilValue();
    results->Add(FuzzyValue(std::move(set)));
  }
  if (results->Count() == 1) return results->Items(0);
  return MakeList(results);
}

}  // namespace vettora
