// ppdeffacts, ppdeffunction, ppdeftemplate, ppdefrule and ppdeftype.
#include <optional>
#include <string>

#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "functions/engine_services.h"
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

// The construct's text, or nullopt when the engine has no construct of
// that kind and name.
std::optional<std::string> ConstructText(IEngineServices& engine, TPrettyPrintFunctionType type,
                                         const std::string& name) {
  IEngineParser& printer = engine.Parser();
  switch (type) {
    case ppfFactSet: {
      const TFactSet* set = engine.FactSets().Find(name);
      if (set) return printer.PrintFactSet(*set);
      break;
    }
    case ppfUserFunction: {
      IUserFunction function = engine.UserFunctions().Find(name);
      if (function) return printer.PrintFunction(*function);
      break;
    }
    case ppfFactTemplate: {
      IFactTemplate factTemplate = engine.FactTemplates().Find(name);
      if (factTemplate) return printer.PrintFactTemplate(*factTemplate);
      break;
    }
    case ppfRule: {
      const TRule* rule = engine.Rules().Find(name);
      if (rule) return printer.PrintRule(*rule);
      break;
    }
    case ppfDefType: {
      IIEDefinedType definedType = engine.DefinedTypes().Find(name);
      if (definedType) return printer.PrintDefinedType(*definedType);
      break;
    }
  }
  return std::nullopt;
}

}  // namespace

TPrettyPrintFunction::TPrettyPrintFunction(TPrettyPrintFunctionType type)
    : TMiscFunction(kPrettyPrintKinds[type].Name,
                    FormatMessage("Returns the parsable text of the named %s",
                                  {kPrettyPrintKinds[type].Kind}),
                    kPrettyPrintKinds[type].Argument, 1, 1),
      FType(type) {}

IIEValue TPrettyPrintFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string name = Arg(call, 0, context)->AsString();
  std::optional<std::string> text = ConstructText(engine, FType, name);
  if (!text)
    throw EIEException(FormatMessage(kUnknownConstructName, {kPrettyPrintKinds[FType].Kind, name}));
  return MakeAtom(*text);
}

}  // namespace vettora
