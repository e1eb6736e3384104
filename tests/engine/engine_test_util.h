#pragma once
// Helpers shared by the engine tests: a tiny reader of ordered facts
// standing in for the parser, functions built from lambdas, and rules
// built through the C++ API of rules and patterns.

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_parser.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "functions/function_call.h"
#include "functions/user_function.h"
#include "knowledge/fact.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora::testing {

inline IIEValue ValueOfWord(const std::string& word) {
  bool digits = !word.empty();
  for (char c : word) digits = digits && std::isdigit(static_cast<unsigned char>(c));
  return digits ? MakeInteger(std::stoi(word)) : MakeAtom(word);
}

// An ordered fact "(name v1 v2 ...)" of the engine's implied template.
inline IFact OrderedFact(TInferenceEngine& engine, const std::string& name,
                         const std::vector<std::string>& words = {}) {
  IFact fact = engine.FindOrCreateTemplate(name)->CreateFact();
  IValueVector list = MakeRef<TValueVector>();
  for (const std::string& word : words) list->Add(ValueOfWord(word));
  fact->SetSlotValue(kImpliedSlotName, MakeList(list));
  return fact;
}

// Reads "(name word ...)" lines into ordered facts; anything else is a
// parse error. Stands in for the rule-language parser.
class TOrderedFactReader : public TEngineTextFallback {
 public:
  explicit TOrderedFactReader(TInferenceEngine& engine) : FEngine(engine) {}

  IFact ParseFact(const std::string& text) override {
    std::vector<std::string> words;
    std::string word;
    size_t end = text.find_last_not_of("\r\n ");
    if (text.empty() || text[0] != '(' || end == std::string::npos || text[end] != ')')
      throw EIEException("Syntax error in fact: " + text);
    for (size_t i = 1; i < end; ++i) {
      if (text[i] == ' ') {
        if (!word.empty()) words.push_back(word);
        word.clear();
      } else if (text[i] == '(' || text[i] == ')') {
        throw EIEException("Syntax error in fact: " + text);
      } else {
        word += text[i];
      }
    }
    if (!word.empty()) words.push_back(word);
    if (words.empty()) throw EIEException("Syntax error in fact: " + text);
    std::string name = words.front();
    words.erase(words.begin());
    ++Parsed;
    return OrderedFact(FEngine, name, words);
  }

  int Parsed = 0;

 private:
  TInferenceEngine& FEngine;
};

inline TOrderedFactReader& UseOrderedFactReader(TInferenceEngine& engine) {
  auto reader = std::make_unique<TOrderedFactReader>(engine);
  TOrderedFactReader& ref = *reader;
  engine.SetParser(std::move(reader));
  return ref;
}

using TBody = std::function<IIEValue(TFunctionCall&, TIEContext&)>;

class TBodyFunction : public TIEUserFunction {
 public:
  TBodyFunction(const std::string& name, TBody body) : FBody(std::move(body)) {
    SetFunctionName(name);
  }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    return FBody(call, context);
  }

 private:
  TBody FBody;
};

// Registers a function with the engine and answers a call of it.
inline IFunCallBase Action(TInferenceEngine& engine, const std::string& name, TBody body) {
  engine.AddUserFunction(MakeRef<TBodyFunction>(name, std::move(body)));
  return MakeRef<TFunctionCall>(static_cast<IReasoner*>(&engine), name);
}

inline IIEValue Variable(const std::string& name) { return MakeRef<TIEValue>(name, dtVariable); }

// A pattern "(name ?var)" on an ordered fact of one element, or "(name)"
// matching any fact of the template when `var` is empty.
inline std::unique_ptr<TIEPattern> OrderedPattern(TInferenceEngine& engine, const std::string& name,
                                                  const std::string& var = "") {
  auto pattern = std::make_unique<TIEPattern>(engine.FindOrCreateTemplate(name));
  if (!var.empty()) {
    pattern->AddTest(kImpliedSlotName, Variable(var), sttEquals, 0);
    pattern->SetSlotLength(kImpliedSlotName, 1);
  }
  return pattern;
}

// A rule placed next to the engine (the test owns it), filed under `name`.
inline std::unique_ptr<TRule> MakeRule(TInferenceEngine& engine, const std::string& name,
                                       int32_t salience,
                                       std::vector<std::unique_ptr<TIEPattern>> patterns,
                                       std::vector<IFunCallBase> actions = {}) {
  auto rule = std::make_unique<TRule>();
  rule->SetRuleName(name);
  TRule::TUpdateGuard guard(*rule);
  rule->SetEngine(&engine);
  rule->SetSalience(salience);
  for (auto& pattern : patterns) rule->AddPattern(std::move(pattern));
  for (auto& action : actions) rule->AddAction(action);
  guard.End();
  return rule;
}

// Every line the engine prints, in order.
inline std::vector<std::string>& CaptureOutput(TInferenceEngine& engine,
                                               std::vector<std::string>& lines) {
  engine.OnPrintOut = [&lines](TObject&, const std::string&, const std::string& text) {
    lines.push_back(text);
  };
  return lines;
}

// "f-0 f-3": the IDs on the fact list, in list order.
inline std::string FactIds(const TInferenceEngine& engine) {
  std::string ids;
  for (int32_t i = 0; i < engine.Facts().Count(); ++i)
    ids += (i ? " f-" : "f-") + std::to_string(engine.Facts().Items(i)->ID());
  return ids;
}

inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace vettora::testing
