#pragma once
// TFunctionCall: a call of a named function with its argument expressions,
// the rule language's one executable form. A `dtFunCall` value holds it.
//
// The function is found by name through the call's reasoner the first time
// the call executes and is kept from then on, so a call to a function that
// does not exist yet parses fine and fails only when it runs.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "functions/reasoner.h"
#include "functions/user_function.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

class TIEContext;
class TFunctionCall;
using IFunCall = Ref<TFunctionCall>;

class TFunctionCall : public TFunCallBase {
 public:
  TFunctionCall() = default;
  // A call resolved later through `reasoner` (which may be null).
  TFunctionCall(IReasoner* reasoner, std::string name);
  TFunctionCall(Ref<TReasonerLink> reasoner, std::string name);
  // A call of a known function.
  explicit TFunctionCall(const IUserFunction& function);
  TFunctionCall(const TFunctionCall&) = delete;
  TFunctionCall& operator=(const TFunctionCall&) = delete;

  // Takes name, Comment and Tag, and clones of the source's arguments; not
  // the resolved function nor the reasoner.
  void Assign(const TFunctionCall& source);
  void AssignTo(TFunctionCall& target) const { target.Assign(*this); }
  // A new call with the same reasoner and name, assigned from this one.
  [[nodiscard]] IFunCall Clone() const;

  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }
  [[nodiscard]] const std::string& Comment() const;
  void SetComment(std::string comment);
  [[nodiscard]] const std::string& FunctionName() const { return FFunctionName; }
  void SetFunctionName(std::string name);

  // The reasoner, or null when there is none or it has been destroyed.
  [[nodiscard]] IReasoner* Reasoner() const { return FReasoner ? FReasoner->Reasoner() : nullptr; }
  [[nodiscard]] const IUserFunction& Function() const { return FFunction; }
  // Stores the function and takes its name as the call's name.
  void SetFunction(IUserFunction function);
  // Drops the resolved function of this call and of every call among its
  // arguments (nested calls and lists), so each resolves again by name.
  void Unresolve();

  // Arguments; every adder answers the new argument's index.
  int32_t AddArgument(IIEValue value);
  // dtFloat, or dtInteger (truncated toward zero).
  int32_t AddFloatArgument(double value, TIEType kind);
  // dtInteger, or dtFloat (stored as a float).
  int32_t AddIntegerArgument(int32_t value, TIEType kind);
  // Any text kind: atom, string, variable, multifield variable, slot,
  // multislot.
  int32_t AddTextArgument(std::string_view text, TIEType kind);
  int32_t AddFactArgument(IFactBase fact);
  int32_t AddCallArgument(const IFunCall& call);
  int32_t AddListArgument(IValueVector list);
  void ClearArguments() { FArguments.clear(); }
  void DeleteArgument(int32_t i);
  [[nodiscard]] int32_t ArgumentCount() const { return int32_t(FArguments.size()); }
  [[nodiscard]] const IIEValue& Argument(int32_t i) const;
  void SetArgument(int32_t i, IIEValue value);
  // Argument i evaluated in `context`.
  [[nodiscard]] IIEValue EvaluateArgument(int32_t i, TIEContext& context) const;

  // Resolves the function when needed and calls it; errors pass unchanged.
  IIEValue Execute(TIEContext* context);
  // Calls the resolved function (no lookup); any error it raises comes back
  // as "%s error: %s" with the function name.
  IIEValue Call(TIEContext* context);

  // Equal names (case-sensitive), argument counts, and arguments pairwise.
  [[nodiscard]] bool Equals(const TFunctionCall& other) const;
  // The value hash of the name plus the arguments' hashes, wrapping.
  [[nodiscard]] uint32_t HashCode() const override;
  // Printed by the reasoner, or by the default printer without one.
  [[nodiscard]] std::string AsText() const override;

  // TFunCallBase.
  [[nodiscard]] bool Equals(const TFunCallBase& other) const override;
  [[nodiscard]] IIEValue Evaluate(IEvalContext* context) override;
  [[nodiscard]] int32_t CallArgumentCount() const override { return ArgumentCount(); }
  [[nodiscard]] const TIEValue* CallArgument(int32_t i) const override;
  // Resolves the function as Execute does, then asks it.
  [[nodiscard]] bool TryCompare(const TIEValue& first, const TIEValue& second,
                                bool& result) override;

 private:
  [[noreturn]] void Unimplemented() const;
  // Finds the called function when it is not known yet; false when none.
  bool Resolve();

  // Runs the resolved function. The call's own handle keeps the function
  // alive; one replaced or let go of while the call runs (a deffunction
  // removed by its own body) is kept aside until the outermost run ends,
  // which spares taking a handle per call.
  IIEValue Run(TIEContext* context);
  void ReplaceFunction(IUserFunction function);

  // A rule base holds thousands of calls, so what few calls have (a
  // comment, functions retired during a run) is kept out of line.
  std::string FFunctionName;
  uint32_t FNameHash = 0;  // ValueStringHash(FFunctionName)
  int32_t FRunning = 0;    // runs of this call in progress
  IUserFunction FFunction;
  std::unique_ptr<std::vector<IUserFunction>> FRetired;  // functions let go of meanwhile
  Ref<TReasonerLink> FReasoner;
  std::vector<IIEValue> FArguments;
  std::unique_ptr<std::string> FComment;
  int32_t FTag = 0;
};

// The rule-language text of a call: comment lines, then "(" name, a blank
// and the text of each argument, ")". For modify and duplicate every
// argument after the first prints in parentheses (a slot pair).
[[nodiscard]] std::string FunCallText(const TFunctionCall& call);

// A comment as lines in front of a call or pattern: each line trimmed, and
// "; " put in front unless it is empty or starts with ";". Each line ends
// with a carriage return and line feed.
[[nodiscard]] std::string CommentLines(const std::string& comment);

// Unresolves every call held in `value`: a call value, or a list of values.
void UnresolveCalls(const IIEValue& value);

}  // namespace vettora
