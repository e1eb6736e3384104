// Compiling pattern calls for the network.
#include "matching/network_call.h"

#include "matching/binding_info.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

struct TCallCompiler {
  IRuleEngine& Engine;
  const TRule& Rule;
  int32_t Position;
  bool Alpha;
  bool RefersElsewhere = false;

  IIEValue Record(const TBinding& binding) {
    int32_t index = binding.FactIndex();
    if (index != Position) RefersElsewhere = true;
    if (Alpha && index == Position) index = 0;
    IIEValue value = MakeRef<TIEValue>();
    value->SetAsOwnedObject(new TBindingInfo(index, binding.SlotIndex(), binding.SubIndex()));
    return value;
  }

  void Visit(TFunCallBase& call) {
    for (int32_t i = 0; i < Engine.CallArgumentCount(call); ++i) {
      IIEValue arg = Engine.CallArgument(call, i);
      if (!arg) continue;
      if (arg->DType() == dtFunCall) {
        // Nested calls are copied too, so the pattern's own call is never
        // changed.
        IFunCallBase nested = Engine.CopyFunctionCall(*arg->AsFunCall());
        Visit(*nested);
        Engine.SetCallArgument(call, i, MakeRef<TIEValue>(nested));
        continue;
      }
      if (arg->DType() != dtVariable && arg->DType() != dtMultiVariable) continue;
      const std::string& name = arg->Text();
      if (const TBinding* binding = Rule.BindingOf(name)) {
        Engine.SetCallArgument(call, i, Record(*binding));
      } else if (!Engine.IsGlobalVariable(name)) {
        throw EIEException(FormatMessage(kUnknownVariable, {name}));
      }
    }
  }
};

}  // namespace

TNetworkCall CompileNetworkCall(IRuleEngine& engine, const TRule& rule, const IIEValue& call,
                                int32_t position, bool alpha) {
  IFunCallBase copy = engine.CopyFunctionCall(*call->AsFunCall());
  TCallCompiler compiler{engine, rule, position, alpha};
  compiler.Visit(*copy);
  return {MakeRef<TIEValue>(copy), compiler.RefersElsewhere};
}

}  // namespace vettora
