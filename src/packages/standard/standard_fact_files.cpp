// The standard package's load-facts and save-facts: the fact list to and
// from a file of facts, one per line.
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "packages/standard/standard_facts.h"
#include "reader/file_stream.h"

namespace vettora {

// ---- load-facts -----------------------------------------------------------------

TLoadFactsFunction::TLoadFactsFunction()
    : TStandardFunction("load-facts", "Asserts the facts written in the file", " <filename>", 1,
                        1) {}

IIEValue TLoadFactsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  EngineOf(context).LoadFactsFromFile(call.EvaluateArgument(0, context)->AsString());
  return TrueValue();
}

// ---- save-facts -----------------------------------------------------------------

TSaveFactsFunction::TSaveFactsFunction()
    : TStandardFunction("save-facts",
                        "Writes the facts to the file: all of them, or those of the named "
                        "templates, template by template",
                        " <file-name> [<fact-template-name>+]", 1, kNoLimit) {}

// With template names the file is made first and then filled template by
// template; the stream closes it on every way out, errors included.
IIEValue TSaveFactsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string fileName = call.EvaluateArgument(0, context)->AsString();
  if (call.ArgumentCount() == 1) {
    engine.SaveFactsToFile(fileName);
    return TrueValue();
  }
  TFileStream file(fileName, fmCreate);
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    engine.SaveFactsOfTemplate(file, call.EvaluateArgument(i, context)->AsString());
  return TrueValue();
}

}  // namespace vettora
