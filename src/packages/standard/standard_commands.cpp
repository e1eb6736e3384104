// run, reset, clear, version, watch and unwatch.
#include "packages/standard/standard_commands.h"

#include <string>

#include "engine/construct_watch.h"
#include "engine/messages.h"
#include "functions/engine_services.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWatchWords = " all|rules|facts|activations|compilations|statistics";

struct TWatchWord {
  const char* Word;
  TConstructWatches Watches;
};

constexpr TWatchWord kWatchTable[] = {
    {"all", TConstructWatches::All()},
    {"activations", {cwActivation}},
    {"facts", {cwFact}},
    {"rules", {cwRule}},
    {"compilations", {cwCompilation}},
    {"statistics", {cwStatistics}},
};

// The watch set a word stands for; false for a word that is none. Words
// are compared exactly.
bool WatchesOf(const std::string& word, TConstructWatches& out) {
  for (const TWatchWord& entry : kWatchTable) {
    if (word != entry.Word) continue;
    out = entry.Watches;
    return true;
  }
  return false;
}

// `include` adds the word's watches to the engine's Watch, else takes them
// away.
void ChangeWatch(IEngineServices& engine, const std::string& word, bool include) {
  TConstructWatches change;
  if (!WatchesOf(word, change))
    throw EIEException(FormatMessage(include ? kCannotWatch : kCannotUnwatch, {word}));
  TConstructWatches watch = engine.Watch();
  for (TConstructWatch w : {cwActivation, cwFact, cwRule, cwCompilation, cwStatistics}) {
    if (!change.Contains(w)) continue;
    if (include)
      watch.Include(w);
    else
      watch.Exclude(w);
  }
  engine.SetWatch(watch);
}

}  // namespace

// ---- run, reset, clear, version -----------------------------------------------

TRunFunction::TRunFunction()
    : TStandardFunction("run",
                        "Fires rules until the agenda is empty, a halt is requested or the "
                        "given number of rules has fired; returns the number fired",
                        " [<integer-expression>]", 0, 1) {}

// The limit is read as written, not evaluated.
IIEValue TRunFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t maximum =
      call.ArgumentCount() > 0 ? WrittenArg(call, 0)->AsInteger() : IEngineServices::kRunForever;
  return MakeInteger(engine.Run(maximum));
}

TResetFunction::TResetFunction()
    : TStandardFunction("reset",
                        "Empties the fact list, asserts the initial fact, resets the global "
                        "variables and asserts the facts of every fact set",
                        "", 0, 0) {}

IIEValue TResetFunction::Execute(TFunctionCall&, TIEContext& context) {
  EngineOf(context).Reset();
  return TrueValue();
}

TClearFunction::TClearFunction()
    : TStandardFunction("clear", "Removes everything from the knowledge base", "", 0, 0) {}

IIEValue TClearFunction::Execute(TFunctionCall&, TIEContext& context) {
  EngineOf(context).Clear();
  return TrueValue();
}

TVersionFunction::TVersionFunction()
    : TStandardFunction("version", "Returns the version number of the engine", "", 0, 0) {}

IIEValue TVersionFunction::Execute(TFunctionCall&, TIEContext& context) {
  return MakeFloat(double(EngineOf(context).Version()));
}

// ---- watch, unwatch -----------------------------------------------------------

TWatchFunction::TWatchFunction()
    : TStandardFunction("watch", "Starts tracing the given kind of event", kWatchWords, 1, 1) {}

IIEValue TWatchFunction::Execute(TFunctionCall& call, TIEContext& context) {
  ChangeWatch(EngineOf(context), EvaluateArg(call, 0, context)->AsString(), true);
  return TrueValue();
}

TUnwatchFunction::TUnwatchFunction()
    : TStandardFunction("unwatch", "Stops tracing the given kind of event", kWatchWords, 1, 1) {}

// The word is read as written.
IIEValue TUnwatchFunction::Execute(TFunctionCall& call, TIEContext& context) {
  ChangeWatch(EngineOf(context), WrittenArg(call, 0)->AsString(), false);
  return TrueValue();
}

}  // namespace vettora
