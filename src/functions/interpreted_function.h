#pragma once
// TInterpretedFunction: a deffunction — parameters and a body of actions
// written in the rule language, run in a fresh child context per call.
//
// A parameter is a single-field variable (`?a`, bound to one argument), the
// wildcard (`$?rest`, bound to a list of all remaining arguments) or a
// plain name (bound to nil). Arguments are evaluated in the new context one
// after the other, so a later argument sees the parameters bound before it.

#include <cstdint>
#include <string>
#include <string_view>

#include "functions/function_call.h"
#include "functions/user_function.h"
#include "values/value_vector.h"

namespace vettora {

class TInterpretedFunction;
using IInterpretedFunction = Ref<TInterpretedFunction>;

class TInterpretedFunction : public TIEUserFunction {
 public:
  // Deffunction calls nested deeper than this fail with a clear error
  // instead of exhausting the stack; it stays well inside the default stack
  // even in sanitizer builds.
  static constexpr int32_t kMaxNestingDepth = 1000;

  TInterpretedFunction();

  [[nodiscard]] std::string ClassName() const override { return "TInterpretedFunction"; }

  // Appends a parameter: kind dtAtom, dtVariable or dtMultiVariable. The
  // limits follow: minimum = parameter count; maximum the same, or no
  // limit when the last parameter is the wildcard.
  int32_t AddParameter(std::string_view name, TIEType kind);
  int32_t AddParameter(const IIEValue& parameter);
  int32_t AddAction(const IFunCall& call);
  int32_t AddAction(IIEValue action);

  [[nodiscard]] int32_t ParameterCount() const { return FParameters->Count(); }
  [[nodiscard]] const IIEValue& Parameters(int32_t i) const { return FParameters->Items(i); }
  [[nodiscard]] int32_t ActionCount() const { return FActions->Count(); }
  [[nodiscard]] const IIEValue& Actions(int32_t i) const { return FActions->Items(i); }

  // The order in which the engine saw deffunctions defined; copies of a
  // function table re-create deffunctions in this order.
  [[nodiscard]] int32_t DefinitionSequence() const { return FDefinitionSequence; }
  void SetDefinitionSequence(int32_t sequence) { FDefinitionSequence = sequence; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;
  // "(deffunction name (params))", the comment and one action per line.
  [[nodiscard]] std::string DefaultText() const override;
  // A body that calls its own function (or one that calls back) holds it
  // through the resolved calls; once no engine holds the function, those
  // calls let go, so the cycle does not keep it alive forever.
  void Detached() override;

 private:
  void BindParameters(TFunctionCall& call, TIEContext& caller, TIEContext& local);
  IIEValue RunActions(TIEContext& local);

  IValueVector FParameters;
  IValueVector FActions;
  int32_t FDefinitionSequence = 0;
};

}  // namespace vettora
