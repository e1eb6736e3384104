#pragma once
// The parser tests' fixture: an engine with the rule-language parser
// plugged in, its "t" output captured, and a few functions written in C++
// (the built-in packages are not needed to read text).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "functions/function_call.h"
#include "functions/user_function.h"
#include "language/vorlan_engine_parser.h"
#include "matching/context.h"
#include "reader/parse_exception.h"
#include "reader/string_stream.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"

namespace vettora::testing {

using TBody = std::function<IIEValue(TFunctionCall&, TIEContext&)>;

class TTestFunction : public TIEUserFunction {
 public:
  TTestFunction(const std::string& name, TBody body) : FBody(std::move(body)) {
    SetFunctionName(name);
  }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    return FBody(call, context);
  }

 private:
  TBody FBody;
};

class ParserTest : public ::testing::Test {
 protected:
  ParserTest() {
    auto reader = std::make_unique<TVorlanEngineParser>(Engine);
    Reader = reader.get();
    Engine.SetParser(std::move(reader));
    Engine.OnPrintOut = [this](TObject&, const std::string&, const std::string& text) {
      Output += text;
    };
    // (+ a b ...) on integers, and (nil) answering the nil value.
    Define("+", [](TFunctionCall& call, TIEContext& context) {
      int32_t sum = 0;
      for (int32_t i = 0; i < call.ArgumentCount(); ++i)
        sum += call.EvaluateArgument(i, context)->AsInteger();
      return MakeInteger(sum);
    });
    Define("nil", [](TFunctionCall&, TIEContext&) { return NilValue(); });
  }

  void Define(const std::string& name, TBody body) {
    Engine.AddUserFunction(MakeRef<TTestFunction>(name, std::move(body)));
  }

  TIEVorlanParser& Parser() { return Reader->Parser(); }

  // Executes the text; answers the error text, or "" when there was none.
  std::string Run(const std::string& text) {
    try {
      Reader->ExecuteText(text);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "";
  }

  // The line number an EIEParseException carries, or -1 for other outcomes.
  int32_t ErrorLine(const std::string& text) {
    try {
      Reader->ExecuteText(text);
    } catch (const EIEParseException& error) {
      return error.LineNumber();
    } catch (...) {
    }
    return -1;
  }

  static bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  TInferenceEngine Engine;
  TVorlanEngineParser* Reader = nullptr;
  std::string Output;
};

}  // namespace vettora::testing
