#pragma once
// Test doubles shared by the function tests: a reasoner filing functions in
// a TFunctionTable, one that is also a component (as an engine is), and a
// function built from a lambda.

#include <functional>
#include <string>

#include "functions/function_call.h"
#include "functions/function_table.h"
#include "functions/reasoner.h"
#include "functions/user_function.h"
#include "matching/context.h"
#include "values/component.h"

namespace vettora::testing {

class TTestReasoner : public IReasoner {
 public:
  TDuplicateConstructs Policy = dcOverwrite;
  TFunctionTable Table{this};

  void RegisterFunction(const IUserFunction& f) override {
    Table.Add(f->FunctionName(), f, Policy);
  }
  void UnregisterFunction(const IUserFunction& f) override { Table.RemoveFunction(f); }
  bool FindFunction(const std::string& name, IUserFunction& f) override {
    f = Table.Find(name);
    return bool(f);
  }
  std::string PrintFunCall(const TFunctionCall& call) override { return FunCallText(call); }
  std::string PrintFunction(const TIEUserFunction& f) override {
    return "<printed " + f.FunctionName() + ">";
  }
  TComponent* ReasonerComponent() override { return nullptr; }
  std::string GenerateSymbol(const std::string& prefix) override {
    return prefix + std::to_string(FSymbol++);
  }

 private:
  int FSymbol = 1;
};

// A reasoner that is a component, as the engine is.
class TTestEngine : public TComponent, public TTestReasoner {
 public:
  TTestEngine() = default;
  ~TTestEngine() override { BeginDestroy(); }
  TComponent* ReasonerComponent() override { return this; }
};

using TBody = std::function<IIEValue(TFunctionCall&, TIEContext&)>;

class TLambdaFunction : public TIEUserFunction {
 public:
  TLambdaFunction(const std::string& name, int32_t min, int32_t max, TBody body)
      : FBody(std::move(body)) {
    SetFunctionName(name);
    SetMinArgumentCount(min);
    SetMaxArgumentCount(max);
  }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    return FBody(call, context);
  }

 private:
  TBody FBody;
};

inline IUserFunction Lambda(const std::string& name, int32_t min, int32_t max, TBody body) {
  return MakeRef<TLambdaFunction>(name, min, max, std::move(body));
}

inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

inline IIEValue Var(const std::string& name) { return MakeRef<TIEValue>(name, dtVariable); }

inline IIEValue CallValue(const IFunCall& call) { return MakeRef<TIEValue>(IFunCallBase(call)); }

}  // namespace vettora::testing
