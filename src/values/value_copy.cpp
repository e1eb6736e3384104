// TIEValue: copying and evaluation.
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"
#include "values/singletons_vector.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

// Through the fuzzy layer's builder, which every engine registers.
IIEValue EvaluateSingletons(const TIEValue& value, IEvalContext* context) {
  TFuzzyValueBuilder builder = FuzzyValueBuilder();
  if (!builder) throw EIEException(FormatMessage(kNoFuzzyValueBuilder, {value.AsText()}));
  return builder(*value.AsSingletons(), context);
}

}  // namespace

TObject* TIEValue::DuplicateOwned() const {
  std::unique_ptr<TObject> copy = FPayload.Object->Duplicate();
  if (!copy) throw EIEException(FormatMessage(kCannotCopyObject, {FPayload.Object->ClassName()}));
  return copy.release();
}

void TIEValue::Assign(const TIEValue& source) {
  if (&source == this) return;
  TObject* duplicate = source.OwnsObject() ? source.DuplicateOwned() : nullptr;
  ReleaseContent();
  if (duplicate) {
    StoreOwned(duplicate);
  } else {
    FType = source.FType;
    FText = source.FText;
    FPayload = source.FPayload;
    if (IsCountedKind(FType) && FPayload.Counted) FPayload.Counted->AddRef();
  }
  FTag = source.FTag;
  Changed();
}

void TIEValue::AssignFromInterface(const TIEValue& source) {
  if (&source == this) return;
  if (source.FType != dtList) {
    Assign(source);
    return;
  }
  // A list is copied element by element rather than shared.
  IValueVector copy = source.AsList()->Clone();
  ReleaseContent();
  StoreCounted(copy.Detach(), dtList);
  FTag = source.FTag;
  Changed();
}

IIEValue TIEValue::Clone() const {
  IIEValue copy = MakeRef<TIEValue>();
  copy->Assign(*this);
  return copy;
}

IIEValue TIEValue::Evaluate(IEvalContext* context) {
  switch (FType) {
    case dtVariable:
    case dtMultiVariable: {
      if (!context) throw EIEException(FormatMessage(kNoContext, {TypeName(FType)}));
      IIEValue bound = context->VariableValue(FText);
      if (!bound) throw EIEException(FormatMessage(kCorruptedBinding, {FText}));
      return bound;
    }
    case dtFunCall:
      // The value holds the call for as long as it is evaluated: calls are
      // parts of expressions, which are not rewritten while they run.
      return static_cast<TFunCallBase*>(Counted())->Evaluate(context);
    case dtObject:
      if (const TBindingInfoBase* binding =
              FPayload.Object ? FPayload.Object->AsBindingInfo() : nullptr) {
        if (!context) throw EIEException(FormatMessage(kNoContext, {TypeName(FType)}));
        return context->BindingValue(*binding);
      }
      break;
    case dtSingletons:
      return EvaluateSingletons(*this, context);
    default:
      break;
  }
  return IIEValue(this);
}

}  // namespace vettora
