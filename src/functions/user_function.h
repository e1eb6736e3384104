#pragma once
// TIEUserFunction: the base of every function a call can reach — built-in
// functions, deffunctions and host-supplied functions. It carries the name
// calls use, help text, an argument signature and argument limits, and the
// list of reasoners (engines) it is registered with.
//
// A call reaches a function through Call, which checks the argument count
// and hands over to Execute. Execute receives the call with its arguments
// unevaluated; a function evaluates each argument itself, if and when it
// needs it, so `and`, `if` or `while` decide what runs.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "functions/reasoner.h"
#include "values/value.h"

namespace vettora {

class TIEContext;

class TIEUserFunction : public TCounted {
 public:
  static constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();

  TIEUserFunction() = default;
  ~TIEUserFunction() override = default;
  TIEUserFunction(const TIEUserFunction&) = delete;
  TIEUserFunction& operator=(const TIEUserFunction&) = delete;

  // The class name written into a package's stored function list.
  [[nodiscard]] virtual std::string ClassName() const { return "TIEUserFunction"; }
  // Whether the function can write and read its own data (only such
  // functions are stored with a package).
  [[nodiscard]] virtual bool CanStream() const { return false; }
  // The data a streaming function stores after its name, comment and
  // limits (for example a type test's kind mask), and reading it back.
  [[nodiscard]] virtual std::vector<int32_t> OwnData() const { return {}; }
  virtual void SetOwnData(const std::vector<int32_t>& data) { (void)data; }
  // A comparison decides two plain values at once, as calling it with
  // them would; false when the function is no comparison or the values
  // need the full call (its errors included).
  [[nodiscard]] virtual bool TryCompare(const TIEValue& first, const TIEValue& second,
                                        bool& result) const {
    (void)first, (void)second, (void)result;
    return false;
  }

  // Reasoners this function is registered with, in registration order.
  void AddReasoner(IReasoner* reasoner);
  void RemoveAllReasoners();
  void DeleteReasoner(int32_t i);
  void RemoveReasoner(IReasoner* reasoner);
  [[nodiscard]] int32_t IndexOfReasoner(const IReasoner* reasoner) const;
  [[nodiscard]] IReasoner* Reasoners(int32_t i) const;
  [[nodiscard]] int32_t ReasonerCount() const { return int32_t(FReasoners.size()); }

  // Argument limits. Lowering the maximum below the minimum lowers the
  // minimum with it; raising the minimum above the maximum raises the
  // maximum.
  [[nodiscard]] int32_t MinArgumentCount() const { return FMinArgumentCount; }
  void SetMinArgumentCount(int32_t count);
  [[nodiscard]] int32_t MaxArgumentCount() const { return FMaxArgumentCount; }
  void SetMaxArgumentCount(int32_t count);

  // The signature shown in help, with a leading blank (" <expression>+").
  [[nodiscard]] const std::string& ArgumentString() const { return FArgumentString; }
  void SetArgumentString(std::string text) { FArgumentString = std::move(text); }
  [[nodiscard]] const std::string& Comment() const { return FComment; }
  void SetComment(std::string comment) { FComment = std::move(comment); }
  // The name calls use; case is significant. Renaming a registered function
  // unregisters it from every reasoner and registers it again under the
  // new name.
  [[nodiscard]] const std::string& FunctionName() const { return FFunctionName; }
  void SetFunctionName(const std::string& name);

  // The function as rule-language text, formatted by its first reasoner.
  [[nodiscard]] std::string Print() const;

  // Checks the argument count and executes the call in `context`.
  IIEValue Call(TFunctionCall& call, TIEContext* context);

  // Takes the limits, comment and name (through the renaming rule) of
  // another function; not the signature.
  virtual void Assign(const TIEUserFunction& source);

 protected:
  // The function's work. Arguments are evaluated here, not by the caller.
  virtual IIEValue Execute(TFunctionCall& call, TIEContext& context) = 0;
  // The text used when the function has no reasoner to print it.
  [[nodiscard]] virtual std::string DefaultText() const { return FFunctionName; }
  // Called when the last reasoner lets go of the function.
  virtual void Detached() {}
  // Called after the name has changed, so a function can rebuild texts
  // derived from its name.
  virtual void NameChanged() {}

  // Stores both limits as given, without the clamping of the setters.
  void SetArgumentLimits(int32_t min, int32_t max);

 private:
  std::string FFunctionName;
  std::string FComment;
  std::string FArgumentString;
  int32_t FMinArgumentCount = 0;
  int32_t FMaxArgumentCount = kNoLimit;
  std::vector<IReasoner*> FReasoners;
};

}  // namespace vettora
