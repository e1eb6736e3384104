// The standard package's do-backward-chaining: marks templates for
// backward chaining and files the goal template of each.
#include "engine/fact_templates.h"
#include "engine/messages.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "matching/rule_engine.h"
#include "packages/standard/standard_facts.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// "need-<name>": a template with the sought template's slots, whose facts
// ask for a fact of that template. It is not itself backward chaining.
IFactTemplate MakeGoalTemplate(IEngineServices& engine, const IFactTemplate& sought) {
  IFactTemplate goal = MakeRef<TFactTemplate>(kGoalPrefix + sought->Name(), engine.FactEngine());
  for (const auto& entry : sought->Slots()) (void)goal->AddSlotFrom(*entry.Value);
  goal->SetComment(kGoalSeekerComment + sought->Name());
  goal->SetParent(sought);
  return goal;
}

}  // namespace

TDoBackwardChainingFunction::TDoBackwardChainingFunction()
    : TStandardFunction("do-backward-chaining",
                        "Makes facts of the named templates sought by backward chaining",
                        " <fact-template-name>*", 0, kNoLimit) {}

IIEValue TDoBackwardChainingFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
    std::string name = call.EvaluateArgument(i, context)->AsString();
    // Conditional elements, not templates: nothing could ever assert them.
    if (name == "test" || name == "not")
      throw EIEException(FormatMessage(kCannotBackchain, {name}));
    IFactTemplate sought = engine.FindOrCreateTemplate(name);
    sought->SetBackwardChaining(true);
    engine.FactTemplates().Add(MakeGoalTemplate(engine, sought));
  }
  return TrueValue();
}

}  // namespace vettora
