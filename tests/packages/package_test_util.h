#pragma once
// The fixture of the package tests: an engine with its default packages
// and parser, with short ways to evaluate one call, read its printed
// result or its error, and check that a package holds exactly its table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/inference_engine.h"
#include "functions/package_table.h"
#include "functions/user_package.h"
#include "language/vorlan_engine_parser.h"
#include "values/value.h"

namespace vettora::testing {

class PackageTest : public ::testing::Test {
 protected:
  TVorlanEngineParser& Reader() { return dynamic_cast<TVorlanEngineParser&>(Engine.Parser()); }

  // One call evaluated in the engine's root context.
  IIEValue Eval(const std::string& text) { return Reader().EvaluateFunCall(text); }
  // The printed form of the call's result.
  std::string Text(const std::string& text) { return Eval(text)->AsText(); }
  // The message of the error the call raises, or "(no error)".
  std::string ErrorOf(const std::string& text) {
    try {
      (void)Eval(text);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "(no error)";
  }
  // The function the engine finds under `name`.
  IUserFunction Function(const std::string& name) {
    IUserFunction found;
    return Engine.FindFunction(name, found) ? found : IUserFunction();
  }

  TInferenceEngine Engine;
};

// The names of a package's functions, in the order it holds them.
inline std::vector<std::string> FunctionNames(const TUserPackage& package) {
  std::vector<std::string> names;
  for (const IUserFunction& f : package.Functions()) names.push_back(f->FunctionName());
  return names;
}

}  // namespace vettora::testing
