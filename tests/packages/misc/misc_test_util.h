#pragma once
// The fixture of the miscellaneous-package tests: an engine with its
// default packages and parser, each print-out call collected, and short
// ways to evaluate a call or run a text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/inference_engine.h"
#include "language/vorlan_engine_parser.h"
#include "values/value.h"

namespace vettora::testing {

class MiscTest : public ::testing::Test {
 protected:
  MiscTest() {
    Engine.OnPrintOut = [this](TObject&, const std::string& name, const std::string& text) {
      Prints.push_back(text);
      Names.push_back(name);
    };
  }

  IIEValue Eval(const std::string& text) {
    return dynamic_cast<TVorlanEngineParser&>(Engine.Parser()).EvaluateFunCall(text);
  }
  std::string Text(const std::string& text) { return Eval(text)->AsString(); }

  // Runs commands and constructs; the error text, or "" without one.
  std::string Run(const std::string& text) {
    try {
      Engine.Parser().ExecuteText(text);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "";
  }

  std::string ErrorOf(const std::string& text) {
    try {
      (void)Eval(text);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "(no error)";
  }

  // Everything printed since the last call, which is then forgotten.
  std::string TakeOutput() {
    std::string all;
    for (const std::string& text : Prints) all += text;
    Prints.clear();
    Names.clear();
    return all;
  }

  TInferenceEngine Engine;
  std::vector<std::string> Prints;
  std::vector<std::string> Names;
};

}  // namespace vettora::testing
