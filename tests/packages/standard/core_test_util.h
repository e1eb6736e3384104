#pragma once
// The fixture of the standard-function tests: an engine with its default
// packages and parser, its output collected, and short ways to evaluate
// one call or run a text of commands.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/inference_engine.h"
#include "language/vorlan_engine_parser.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/value.h"

namespace vettora::testing {

class CoreTest : public ::testing::Test {
 protected:
  CoreTest() {
    Engine.OnPrintOut = [this](TObject&, const std::string& name, const std::string& text) {
      Output += text;
      LastName = name;
    };
  }

  TVorlanEngineParser& Reader() { return dynamic_cast<TVorlanEngineParser&>(Engine.Parser()); }

  // One call evaluated in the engine's root context, or the value of a
  // variable ("?x") there.
  IIEValue Eval(const std::string& text) {
    if (text.rfind('?', 0) == 0) return Engine.RootContext()->GetValue(text.substr(1));
    return Reader().EvaluateFunCall(text);
  }
  std::string Text(const std::string& text) { return Eval(text)->AsText(); }

  // Runs commands and constructs; the error text, or "" without one.
  std::string Run(const std::string& text) {
    try {
      Reader().ExecuteText(text);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "";
  }

  // The message of the error the call raises, or "(no error)".
  std::string ErrorOf(const std::string& text) {
    try {
      (void)Eval(text);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "(no error)";
  }

  // The output written since the last call, which is then forgotten.
  std::string TakeOutput() {
    std::string text = Output;
    Output.clear();
    return text;
  }

  static bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  TInferenceEngine Engine;
  std::string Output;
  std::string LastName;
};

// A file name in the system's temporary folder, removed again when the
// test ends.
class TTempFile {
 public:
  explicit TTempFile(const std::string& name)
      : FName(::testing::TempDir() + "vettora_std_" + name) {
    std::remove(FName.c_str());
  }
  ~TTempFile() { std::remove(FName.c_str()); }
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;

  [[nodiscard]] const std::string& Name() const { return FName; }
  // The name as a rule-language string.
  [[nodiscard]] std::string Quoted() const { return "\"" + FName + "\""; }
  void Write(const std::string& text) const { std::ofstream(FName, std::ios::binary) << text; }
  [[nodiscard]] std::string Read() const {
    std::ifstream in(FName, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }

 private:
  std::string FName;
};

}  // namespace vettora::testing
