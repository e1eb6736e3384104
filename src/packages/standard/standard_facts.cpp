// The standard package's fact functions that assert, retract and read
// facts, and the fact-duplication switch.
#include "packages/standard/standard_facts.h"

#include <typeinfo>

#include "engine/facts.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "functions/messages.h"
#include "knowledge/messages.h"
#include "matching/context.h"
#include "packages/standard/standard_storage.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

namespace {

constexpr const char* kRetractAll = "*";
constexpr const char* kFactKinds = "FactId, Fact";

// The fact argument 1 of get-slot-value names: by ID, or the fact itself.
IFact FactNamedBy(IEngineServices& engine, const TIEValue& target) {
  switch (target.DType()) {
    case dtInteger:
    case dtFactId: {
      IFact fact = engine.Facts().FindById(target.AsFactId());
      if (!fact) throw EIEException(FormatMessage(kNoSuchFactId, {target.AsText()}));
      return fact;
    }
    case dtFact:
      return FactOfValue(target);
    default:
      throw EIEException(
          FormatMessage(kInvalidDeffunctionParameter, {TypeName(target.DType()), kFactKinds}));
  }
}

}  // namespace

namespace {

// The fact a value holds, read in place: the value keeps it alive while
// the caller holds the value.
const TFact& FactIn(const TIEValue& value) {
  IFactBase base = value.AsFact();
  // A plain fact, the usual case (every assert reads one), is recognised
  // without a full dynamic cast.
  TFactBase* held = base.Get();
  auto* fact = held && typeid(*held) == typeid(TFact) ? static_cast<TFact*>(held)
                                                      : dynamic_cast<TFact*>(held);
  if (!fact) throw EIEException(FormatMessage(kNotAType, {"fact", value.AsText(), "fact"}));
  return *fact;
}

}  // namespace

IFact FactOfValue(const TIEValue& value) { return IFact(const_cast<TFact*>(&FactIn(value))); }

IIEValue FactIdValue(int32_t id) { return MakeRef<TIEValue>(id, dtFactId); }

// ---- assert -------------------------------------------------------------------

TAssertFunction::TAssertFunction()
    : TStandardFunction("assert",
                        "Asserts each fact, its slot expressions evaluated; returns the fact "
                        "ID of the last one, or FALSE when it was not added",
                        " <fact>*", 0, kNoLimit) {}

// Each fact argument is a pattern of the fact: a new fact receives the
// evaluated slots, so the call can run again with other bindings.
IIEValue TAssertFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t id = -1;
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
    // A fact written in the call evaluates to itself and is held by the
    // call; anything else is evaluated and held here.
    const TIEValue* argument = call.CallArgument(i);
    IIEValue evaluated;
    if (!argument || argument->DType() != dtFact) {
      evaluated = call.EvaluateArgument(i, context);
      argument = evaluated.Get();
    }
    IFact fact = context.InstantiateCopy(FactIn(*argument));
    id = engine.Assert(fact);
  }
  return id < 0 ? FalseValue() : FactIdValue(id);
}

// ---- assert-string ------------------------------------------------------------

TAssertStringFunction::TAssertStringFunction()
    : TStandardFunction("assert-string",
                        "Parses each string as a fact and asserts it; returns the fact ID of "
                        "the last one, <Fact--1> when it was not added",
                        " <string-expression>*", 1, kNoLimit) {}

// Always a fact id: a fact that was not added (a refused duplicate) answers
// the id -1, which callers test for; assert answers FALSE instead.
IIEValue TAssertStringFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t id = -1;
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    id = engine.AssertString(call.EvaluateArgument(i, context)->AsString());
  return FactIdValue(id);
}

// ---- retract ------------------------------------------------------------------

TRetractFunction::TRetractFunction()
    : TStandardFunction("retract",
                        "Retracts the facts with the given IDs, or every fact for *; IDs "
                        "with no fact are skipped",
                        " *|<fact-index>*", 1, kNoLimit) {}

IIEValue TRetractFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
    IIEValue target = call.EvaluateArgument(i, context);
    if (i == 0 && target->DType() == dtAtom && target->Text() == kRetractAll) {
      engine.Facts().Clear();
      break;
    }
    int32_t index = engine.Facts().IndexOfId(target->AsFactId());
    if (index >= 0) engine.Retract(index);
  }
  return TrueValue();
}

// ---- retract-string -----------------------------------------------------------

TRetractStringFunction::TRetractStringFunction()
    : TStandardFunction("retract-string",
                        "Parses each string as a fact and retracts the first fact equal to it",
                        " <fact-string>", 0, kNoLimit) {}

IIEValue TRetractStringFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    (void)engine.RetractString(call.EvaluateArgument(i, context)->AsString());
  return TrueValue();
}

// ---- get-slot-value -----------------------------------------------------------

TGetSlotValueFunction::TGetSlotValueFunction()
    : TStandardFunction("get-slot-value",
                        "Returns a copy of a slot's value of the fact given by ID or as a "
                        "fact; without a slot name, the list of an ordered fact",
                        " <fact-id-expression>|<fact-expression> [<slot-name-expression> ]", 1, 2) {
}

IIEValue TGetSlotValueFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  IFact fact = FactNamedBy(engine, *call.EvaluateArgument(0, context));
  std::string slot = call.ArgumentCount() > 1 ? call.EvaluateArgument(1, context)->AsString()
                                              : std::string(kImpliedSlotName);
  IIEValue value = fact->GetSlotValue(slot);
  return value ? value->Clone() : NilValue();
}

// ---- get-fact-duplication, set-fact-duplication -------------------------------
// The rule language names the opposite sense of the engine's FactDuplication:
// TRUE means equal facts are ignored. Knowledge-base texts written by the
// engine carry "(set-fact-duplication ...)" in this sense, so it must stay.

TGetFactDuplicationFunction::TGetFactDuplicationFunction()
    : TStandardFunction("get-fact-duplication",
                        "Returns TRUE when equal facts are ignored, FALSE when they may be "
                        "asserted side by side",
                        "", 0, 0) {}

IIEValue TGetFactDuplicationFunction::Execute(TFunctionCall& call, TIEContext& context) {
  (void)call;
  return BoolValue(!EngineOf(context).FactDuplication());
}

TSetFactDuplicationFunction::TSetFactDuplicationFunction()
    : TStandardFunction("set-fact-duplication",
                        "Ignores equal facts unless the argument is FALSE, which lets them be "
                        "asserted side by side; returns the previous setting",
                        " <boolean-expression>", 1, 1) {}

IIEValue TSetFactDuplicationFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  const IIEValue& previous = BoolValue(!engine.FactDuplication());
  engine.SetFactDuplication(call.EvaluateArgument(0, context)->Equals(FalseValue()));
  return previous;
}

}  // namespace vettora
