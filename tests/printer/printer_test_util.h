#pragma once
// Helpers of the printer tests: an engine whose text requests go to the
// rule-language printer, and short builders for the values, calls,
// templates, patterns and rules the tests print.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "functions/function_call.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact_template.h"
#include "language/printer.h"
#include "language/printer_fallback.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "values/value.h"

namespace vettora::testing {

// The message of the exception `f` raises.
inline std::string ErrorText(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

class PrinterTest : public ::testing::Test {
 protected:
  PrinterTest() { Engine.SetParser(std::make_unique<TPrinterTextFallback>()); }

  static IIEValue Var(const std::string& name) { return MakeRef<TIEValue>(name, dtVariable); }
  static IIEValue MultiVar(const std::string& name) {
    return MakeRef<TIEValue>(name, dtMultiVariable);
  }

  // A call of `name` through the engine, its arguments given as values.
  Ref<TFunctionCall> Call(const std::string& name, const std::vector<IIEValue>& arguments = {}) {
    auto call = MakeRef<TFunctionCall>(static_cast<IReasoner*>(&Engine), name);
    for (const IIEValue& argument : arguments) call->AddArgument(argument);
    return call;
  }
  IIEValue CallValue(const std::string& name, const std::vector<IIEValue>& arguments = {}) {
    return MakeRef<TIEValue>(IFunCallBase(Call(name, arguments)));
  }

  // A registered template with single slots of these names (default nil).
  IFactTemplate Template(const std::string& name, const std::vector<std::string>& slots) {
    IFactTemplate t = MakeRef<TFactTemplate>(name, &Engine);
    for (const std::string& slot : slots) t->AddSlot(slot, NilValue());
    Engine.FactTemplates().Add(t);
    return t;
  }
  IFactTemplate Implied(const std::string& name) { return Engine.FindOrCreateTemplate(name); }

  // A defined type of the engine.
  IIEDefinedType Type(const std::string& name, TIETypes kinds) {
    IIEDefinedType type = TIEDefinedType::Create(&Engine);
    type->SetName(name);
    type->SetBaseTypes(kinds);
    return type;
  }
  static void Range(const IIEDefinedType& type, double low, double high) {
    type->SetRangeLimited(true);
    type->SetMinRange(low);
    type->SetMaxRange(high);
  }

  std::unique_ptr<TIEPattern> Pattern(const IFactTemplate& t) {
    return std::make_unique<TIEPattern>(t);
  }

  // A rule of the engine (owned by the test) with these patterns and
  // actions.
  std::unique_ptr<TRule> Rule(const std::string& name,
                              std::vector<std::unique_ptr<TIEPattern>> patterns,
                              const std::vector<IFunCallBase>& actions = {}) {
    auto rule = std::make_unique<TRule>();
    rule->SetRuleName(name);
    TRule::TUpdateGuard guard(*rule);
    rule->SetEngine(&Engine);
    for (auto& pattern : patterns) rule->AddPattern(std::move(pattern));
    for (const IFunCallBase& action : actions) rule->AddAction(action);
    guard.End();
    return rule;
  }

  static std::vector<std::unique_ptr<TIEPattern>> Patterns(std::unique_ptr<TIEPattern> a,
                                                           std::unique_ptr<TIEPattern> b = {}) {
    std::vector<std::unique_ptr<TIEPattern>> list;
    list.push_back(std::move(a));
    if (b) list.push_back(std::move(b));
    return list;
  }

  TInferenceEngine Engine;
  TIEPrinter Printer;
};

}  // namespace vettora::testing
