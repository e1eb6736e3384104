#pragma once
// The fixture of the fact, storage and multifield tests: an engine with
// its default packages and the rule-language parser, commands run as text
// and results read through the engine's API.

#include <gtest/gtest.h>

#include <string>

#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "knowledge/fact.h"
#include "language/vorlan_engine_parser.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora::testing {

class FactTest : public ::testing::Test {
 protected:
  FactTest() : Reader(dynamic_cast<TVorlanEngineParser&>(Engine.Parser())) {
    Engine.OnPrintOut = [this](TObject&, const std::string&, const std::string& text) {
      Output += text;
    };
  }

  // Runs every construct and command of the text.
  void Run(const std::string& text) { Reader.ExecuteText(text); }

  // The value of one call.
  IIEValue Eval(const std::string& call) { return Reader.EvaluateFunCall(call); }

  // The printed form of a call's value; a list as its elements' printed
  // forms between brackets, "[a b]".
  std::string Text(const std::string& call) { return Shown(Eval(call)); }

  static std::string Shown(const IIEValue& value) {
    if (!value) return "(none)";
    if (value->DType() != dtList) return value->AsText();
    std::string text = "[";
    const TValueVector& list = *value->AsList();
    for (int32_t i = 0; i < list.Count(); ++i) text += (i ? " " : "") + Shown(list.Items(i));
    return text + "]";
  }

  // The error text of a call, or "(no error)".
  std::string ErrorOf(const std::string& call) {
    try {
      (void)Eval(call);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "(no error)";
  }

  // The facts as "f-ID text" lines joined by "; ".
  std::string Facts() {
    std::string all;
    for (int32_t i = 0; i < Engine.Facts().Count(); ++i) {
      const IFact& fact = Engine.Facts().Items(i);
      all += (i ? "; f-" : "f-") + std::to_string(fact->ID()) + " " + fact->Text();
    }
    return all;
  }

  static bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  TInferenceEngine Engine;
  TVorlanEngineParser& Reader;
  std::string Output;
};

}  // namespace vettora::testing
