// ppdeffacts, ppdeffunction, ppdeftemplate, ppdefrule and ppdeftype.
#include <string>

#include "engine/defined_types.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "packages/misc/messages.h"
#include "packages/misc/misc_constructs.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

struct TPrettyPrintKind {
  const char* Name;
  const char* Argument;
  const char* Kind;  // the construct's kind in "Unknown %s name: %s"
};

constexpr TPrettyPrintKind kPrettyPrintKinds[] = {
    {"ppdeffacts", " <fact-set-name>", "fact set"},
    {"ppdeffunction", " <function-name>", "user function"},
    {"ppdeftemplate", " <fact-template-name>", "fact template"},
    {"ppdefrule", " <rule-name>", "rule"},
    {"ppdeftype", " <defined-type-name>", "defined type"},
};

// The construct's text, or false when the engine has no construct of that
// kind and name.
bool ConstructText(TInferenceEngine& engine, TPrettyPrintFunctionType type, const std::string& name,
                   std::string& text) {
  IEngineParser& printer = engine.Parser();
  switch (type) {
    case ppfFactSet:
      if (const TFactSet* set = engine.FactSets().Find(name))
        text = printer.PrintFactSet(*set);
      else
        return false;
      return true;
    case ppfUserFunction:
      if (IUserFunction function = engine.UserFunctions().Find(name))
        text = printer.PrintFunction(*function);
      else
        return false;
      return true;
    case ppfFactTemplate:
      if (IFactTemplate tmpl = engine.FactTemplates().Find(name))
        text = printer.PrintFactTemplate(*tmpl);
      else
        return false;
      return true;
    case ppfRule:
      if (const TRule* rule = engine.Rules().Find(name))
        text = printer.PrintRule(*rule);
      else
        return false;
      return true;
    case ppfDefType:
      if (IIEDefinedType defined = engine.DefinedTypes().Find(name))
        text = printer.PrintDefinedType(*defined);
      else
        return false;
      return true;
  }
  return false;
}

}  // namespace

TPrettyPrintFunction::TPrettyPrintFunction(TPrettyPrintFunctionType type)
    : TMiscFunction(kPrettyPrintKinds[type].Name,
                    FormatMessage("Returns the parsable text of the named %s",
                                  {kPrettyPrintKinds[type].Kind}),
                    kPrettyPrintKinds[type].Argument, 1, 1),
      FType(type) {}

IIEValue TPrettyPrintFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TInferenceEngine& engine = EngineOf(context);
  std::string name = Arg(call, 0, context)->AsString();
  std::string text;
  if (!ConstructText(engine, FType, name, text))
    throw EIEException(FormatMessage(kUnknownConstructName, {kPrettyPrintKinds[FType].Kind, name}));
  return MakeAtom(text);
}

}  // namespace vettora
