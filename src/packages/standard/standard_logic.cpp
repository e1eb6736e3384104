// Logic and comparison functions of the standard package.
#include "packages/standard/standard_logic.h"

#include <functional>

namespace vettora {

namespace {

constexpr int32_t kMany = TIEUserFunction::kNoLimit;

// TRUE when `test` holds between argument 1 and every later argument,
// evaluated one at a time; the first failure ends with FALSE.
template <class Test>
IIEValue AllAgainstFirst(const TFunctionCall& call, TIEContext& context, Test test) {
  IIEValue first = EvaluateArg(call, 0, context);
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    if (!test(first, EvaluateArg(call, i, context))) return FalseValue();
  return TrueValue();
}

// FALSE as soon as `match` holds between argument 1 and a later argument.
template <class Match>
IIEValue NoneMatchFirst(const TFunctionCall& call, TIEContext& context, Match match) {
  IIEValue first = EvaluateArg(call, 0, context);
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    if (match(first, EvaluateArg(call, i, context))) return FalseValue();
  return TrueValue();
}

// The number of argument 1 against the numbers of the later arguments:
// `stopOnEqual` ends with FALSE at the first equal one (<>), otherwise at
// the first different one (=). Comparison is exact.
IIEValue NumbersAgainstFirst(const TFunctionCall& call, TIEContext& context, bool stopOnEqual) {
  double first = EvaluateArg(call, 0, context)->AsNumeric();
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    if ((EvaluateArg(call, i, context)->AsNumeric() == first) == stopOnEqual) return FalseValue();
  return TrueValue();
}

// TRUE when `order` holds for every neighbouring pair of numbers.
template <class Order>
IIEValue Ordered(const TFunctionCall& call, TIEContext& context, Order order) {
  double previous = EvaluateArg(call, 0, context)->AsNumeric();
  for (int32_t i = 1; i < call.ArgumentCount(); ++i) {
    double next = EvaluateArg(call, i, context)->AsNumeric();
    if (!order(previous, next)) return FalseValue();
    previous = next;
  }
  return TrueValue();
}

// Decides `order` between two integers or floats, as the call would after
// reading both as numbers; other values are left to the call.
template <class Order>
bool CompareNumbers(const TIEValue& first, const TIEValue& second, bool& result, Order order) {
  auto plain = [](const TIEValue& v) { return v.DType() == dtInteger || v.DType() == dtFloat; };
  if (!plain(first) || !plain(second)) return false;
  result = order(first.AsNumeric(), second.AsNumeric());
  return true;
}

}  // namespace

// ---- and, or, not ---------------------------------------------------------------

TAndFunction::TAndFunction()
    : TStandardFunction("and",
                        "Returns TRUE if none of its arguments evaluates to FALSE; stops at "
                        "the first argument that does",
                        " <expression>*", 0, kMany) {}

IIEValue TAndFunction::Execute(TFunctionCall& call, TIEContext& context) {
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    if (IsFalse(EvaluateArg(call, i, context))) return FalseValue();
  return TrueValue();
}

// `or` asks for the atom TRUE itself, where `and` only rejects FALSE.
TOrFunction::TOrFunction()
    : TStandardFunction("or",
                        "Returns TRUE if any of its arguments evaluates to TRUE; stops at the "
                        "first argument that does",
                        " <expression>*", 0, kMany) {}

IIEValue TOrFunction::Execute(TFunctionCall& call, TIEContext& context) {
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    if (EvaluateArg(call, i, context)->Equals(TrueValue())) return TrueValue();
  return FalseValue();
}

TNotFunction::TNotFunction()
    : TStandardFunction("not", "Returns TRUE if its argument is FALSE, otherwise FALSE",
                        " <expression>", 1, 1) {}

IIEValue TNotFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return BoolValue(IsFalse(EvaluateArg(call, 0, context)));
}

// ---- eq, neq, eq* -------------------------------------------------------------

TEqFunction::TEqFunction()
    : TStandardFunction("eq",
                        "Returns TRUE if the first argument is equal in type and value to "
                        "every other argument",
                        " <expression> <expression>+", 1, kMany) {}

IIEValue TEqFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return AllAgainstFirst(call, context,
                         [](const IIEValue& a, const IIEValue& b) { return a->Equals(b); });
}

TNeqFunction::TNeqFunction()
    : TStandardFunction("neq",
                        "Returns TRUE if the first argument is not equal in type and value to "
                        "any other argument",
                        " <expression> <expression>*", 1, kMany) {}

IIEValue TNeqFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return NoneMatchFirst(call, context,
                        [](const IIEValue& a, const IIEValue& b) { return a->Equals(b); });
}

TEqStarFunction::TEqStarFunction()
    : TStandardFunction("eq*",
                        "Returns TRUE if the first argument is equal in value to every other "
                        "argument, each read in the kind of the first",
                        " <expression> <expression>+", 1, kMany) {}

IIEValue TEqStarFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return AllAgainstFirst(call, context,
                         [](const IIEValue& a, const IIEValue& b) { return a->ValueEquals(b); });
}

// ---- =, <> ----------------------------------------------------------------------

TEqualsFunction::TEqualsFunction()
    : TStandardFunction("=",
                        "Returns TRUE if the first argument is numerically equal to every "
                        "other argument",
                        " <numeric-expression> <numeric-expression>+", 1, kMany) {}

bool TEqualsFunction::TryCompare(const TIEValue& first, const TIEValue& second,
                                 bool& result) const {
  return CompareNumbers(first, second, result, std::equal_to<double>());
}

IIEValue TEqualsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return NumbersAgainstFirst(call, context, false);
}

TNotEqualsFunction::TNotEqualsFunction()
    : TStandardFunction("<>",
                        "Returns TRUE if the first argument is numerically different from "
                        "every other argument",
                        " <numeric-expression> <numeric-expression>*", 1, kMany) {}

bool TNotEqualsFunction::TryCompare(const TIEValue& first, const TIEValue& second,
                                    bool& result) const {
  return CompareNumbers(first, second, result, std::not_equal_to<double>());
}

IIEValue TNotEqualsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return NumbersAgainstFirst(call, context, true);
}

// ---- >, >=, <, <= -----------------------------------------------------------------

TGtFunction::TGtFunction()
    : TStandardFunction(">",
                        "Returns TRUE if each argument is greater than the argument that "
                        "follows it",
                        " <numeric-expression> <numeric-expression>+", 2, kMany) {}

bool TGtFunction::TryCompare(const TIEValue& first, const TIEValue& second, bool& result) const {
  return CompareNumbers(first, second, result, std::greater<double>());
}

IIEValue TGtFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Ordered(call, context, std::greater<double>());
}

TGtOrEqFunction::TGtOrEqFunction()
    : TStandardFunction(">=",
                        "Returns TRUE if each argument is greater than or equal to the "
                        "argument that follows it",
                        " <numeric-expression> <numeric-expression>+", 2, kMany) {}

bool TGtOrEqFunction::TryCompare(const TIEValue& first, const TIEValue& second,
                                 bool& result) const {
  return CompareNumbers(first, second, result, std::greater_equal<double>());
}

IIEValue TGtOrEqFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Ordered(call, context, std::greater_equal<double>());
}

TLtFunction::TLtFunction()
    : TStandardFunction("<",
                        "Returns TRUE if each argument is less than the argument that "
                        "follows it",
                        " <numeric-expression> <numeric-expression>+", 2, kMany) {}

bool TLtFunction::TryCompare(const TIEValue& first, const TIEValue& second, bool& result) const {
  return CompareNumbers(first, second, result, std::less<double>());
}

IIEValue TLtFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Ordered(call, context, std::less<double>());
}

TLtOrEqFunction::TLtOrEqFunction()
    : TStandardFunction("<=",
                        "Returns TRUE if each argument is less than or equal to the argument "
                        "that follows it",
                        " <numeric-expression> <numeric-expression>+", 2, kMany) {}

bool TLtOrEqFunction::TryCompare(const TIEValue& first, const TIEValue& second,
                                 bool& result) const {
  return CompareNumbers(first, second, result, std::less_equal<double>());
}

IIEValue TLtOrEqFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Ordered(call, context, std::less_equal<double>());
}

}  // namespace vettora
