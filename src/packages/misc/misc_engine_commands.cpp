// parse, guard, time, set-reset-globals, setgen and the constraint-checking
// switches.
#include "packages/misc/misc_engine_commands.h"

#include <ctime>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
#include "functions/engine_services.h"
#include "knowledge/fact_template.h"
#include "matching/activation.h"
#include "matching/rule.h"
#include "packages/misc/date_time.h"
#include "values/exceptions.h"

namespace vettora {

// ---- parse ---------------------------------------------------------------------------

TParseFunction::TParseFunction()
    : TMiscFunction("parse",
                    "Reads and runs the text as rule-language input; TRUE on success, FALSE "
                    "when it fails",
                    "<string-expression>", 1, 1) {}

namespace {

// Remembers the templates an engine has, so that the implied templates a
// failing statement made on its way (from the patterns or facts it read
// before the error) can be taken away again. A template counts as made by
// the failure when it is new, implied, and held by nothing but the
// engine's table: no fact, pattern, fact-set line, function body or
// child template refers to it, so nothing that succeeded needs it.
class TTemplateSnapshot {
 public:
  explicit TTemplateSnapshot(IEngineServices& engine) : FEngine(engine) {
    for (const auto& entry : engine.FactTemplates().Table()) {
      FHeld.push_back(entry.Value);
      FKnown.insert(entry.Value.Get());
    }
  }

  void RemoveUnusedNewImplied() {
    std::vector<std::string> leftovers;
    for (const auto& entry : FEngine.FactTemplates().Table()) {
      const TFactTemplate* factTemplate = entry.Value.Get();
      if (!FKnown.contains(factTemplate) && factTemplate->IsImplied() &&
          factTemplate->RefCount() == 1)
        leftovers.push_back(factTemplate->Name());
    }
    for (const std::string& name : leftovers) FEngine.FactTemplates().Remove(name);
  }

 private:
  IEngineServices& FEngine;
  std::vector<IFactTemplate> FHeld;  // keeps the known addresses from being reused
  std::unordered_set<const TFactTemplate*> FKnown;
};

}  // namespace

IIEValue TParseFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string text = Arg(call, 0, context)->AsString();
  TTemplateSnapshot before(engine);
  try {
    engine.Parser().ExecuteText(text);
  } catch (const EIEAbort&) {
    throw;  // exit is no error: it ends the program
  } catch (const std::exception&) {
    before.RemoveUnusedNewImplied();
    return FalseValue();
  }
  return TrueValue();
}

// ---- guard ---------------------------------------------------------------------------

namespace {

// Switches a rule's Enabled flag off for its lifetime and restores it,
// also when an exception passes.
class TRuleDisabler {
 public:
  explicit TRuleDisabler(TRule* rule) : FRule(rule), FWasEnabled(rule && rule->Enabled()) {
    if (FRule) FRule->SetEnabled(false);
  }
  ~TRuleDisabler() {
    if (FRule) FRule->SetEnabled(FWasEnabled);
  }
  TRuleDisabler(const TRuleDisabler&) = delete;
  TRuleDisabler& operator=(const TRuleDisabler&) = delete;

 private:
  TRule* FRule;
  bool FWasEnabled;
};

}  // namespace

TGuardFunction::TGuardFunction()
    : TMiscFunction("guard",
                    "Evaluates its arguments with the firing rule disabled, so nothing they "
                    "change can activate it; returns the last value",
                    "<function-call-argument>+", 1, kNoLimit) {}

IIEValue TGuardFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  TActivation* firing = engine.FiringActivation();
  TRuleDisabler disabled(firing ? firing->Rule() : nullptr);
  IIEValue result = NilValue();
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) result = Arg(call, i, context);
  return result;
}

// ---- time ----------------------------------------------------------------------------

TTimeFunction::TTimeFunction()
    : TMiscFunction("time", "Returns the seconds since the start of the day", "", 0, 0) {}

IIEValue TTimeFunction::Execute(TFunctionCall&, TIEContext&) {
  double now = NowAsDays();
  return MakeFloat(TimeOfDay(now) * kSecondsPerDay);
}

// ---- set-reset-globals, setgen -----------------------------------------------------------

TSetResetGlobalsFunction::TSetResetGlobalsFunction()
    : TMiscFunction("set-reset-globals",
                    "Sets whether a reset resets the global variables; without an argument "
                    "returns the current setting",
                    " [<boolean-expression>]", 0, 1) {}

IIEValue TSetResetGlobalsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  if (call.ArgumentCount() == 0) return BoolValue(engine.ResetGlobals());
  IIEValue value = Arg(call, 0, context);
  engine.SetResetGlobals(value->Equals(TrueValue()));
  return value;
}

TSetGenFunction::TSetGenFunction()
    : TMiscFunction("setgen", "Sets the next number gensym and gensym* use",
                    " <integer-expression>", 1, 1) {}

IIEValue TSetGenFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t index = Arg(call, 0, context)->AsInteger();
  engine.SetSymbolIndex(index);
  return MakeInteger(index);
}

// ---- constraint checking ---------------------------------------------------------------

namespace {

std::string ConstraintFunctionName(TTypeCheck check, bool set) {
  return std::string(set ? "set-" : "get-") + (check == tcDynamic ? "dynamic" : "static") +
         "-constraint-checking";
}

std::string ConstraintHelp(TTypeCheck check, bool set) {
  std::string what = check == tcDynamic ? "slot values are checked when they are set"
                                        : "slot values are checked when text is parsed";
  return set ? "Sets whether " + what + "; returns the previous setting"
             : "Returns whether " + what;
}

}  // namespace

TConstraintCheckingFunction::TConstraintCheckingFunction(TTypeCheck check, bool set)
    : TMiscFunction(ConstraintFunctionName(check, set), ConstraintHelp(check, set),
                    set ? " <boolean-expression>" : "", set ? 1 : 0, set ? 1 : 0),
      FCheck(check),
      FSet(set) {}

IIEValue TConstraintCheckingFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  TTypeChecks checks = engine.TypeChecks();
  bool previous = checks.Contains(FCheck);
  if (FSet) {
    if (Arg(call, 0, context)->Equals(TrueValue()))
      checks.Include(FCheck);
    else
      checks.Exclude(FCheck);
    engine.SetTypeChecks(checks);
  }
  return BoolValue(previous);
}

}  // namespace vettora
