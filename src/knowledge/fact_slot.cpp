// TFactSlot: names, kinds, defaults and the admission rules of a slot.
#include "knowledge/fact_slot.h"

#include <cctype>

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/construct_name.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "knowledge/fact_engine.h"
#include "knowledge/fact_template.h"
#include "knowledge/knowledge_printer.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

IIEValue CopySlotValue(const IIEValue& value) {
  if (!value || IsSharedConstant(value.Get())) return value;
  IIEValue copy = MakeRef<TIEValue>();
  copy->AssignFromInterface(*value);
  return copy;
}

namespace {

// A fresh value of one kind with its empty or zero content.
IIEValue EmptyValueOf(TIEType kind) {
  IIEValue v = MakeRef<TIEValue>();
  switch (kind) {
    case dtAtom:
      v->SetAsAtom("");
      break;
    case dtString:
      v->SetAsString("");
      break;
    case dtInteger:
      v->SetAsInteger(0);
      break;
    case dtFloat:
      v->SetAsFloat(0.0);
      break;
    case dtObject:
      v->SetAsObject(nullptr);
      break;
    case dtExternalAddress:
      v->SetAsExternalAddress(0);
      break;
    case dtFactId:
      v->SetAsFactId(0);
      break;
    // A fact with no template is the empty fact: it prints as "()".
    case dtFact:
      v->SetAsFact(IFactBase(MakeRef<TFact>()));
      break;
    case dtDescriptor:
      v->SetAsDescriptor(0);
      break;
    case dtClass:
      v->SetAsClass(nullptr);
      break;
    default:
      break;
  }
  return v;
}

// A fuzzy default belongs to the variable of the slot's type, and its text
// (the set's points) does not read back as a value: in another engine it
// is made again against that engine's type -- the term of the same name,
// or a copy of the set on the type's variable. Empty when the slot has no
// fuzzy type there.
IIEValue FuzzyDefaultFor(const TIEValue& value, const TIEDefinedType* type) {
  const TIFuzzySet* set = FuzzySetOf(value);
  TIFuzzyVariable* variable = type ? type->FuzzyVariable().Get() : nullptr;
  if (!set || !variable) return {};
  IFuzzySet term = set->IsTerm() ? variable->FindTerm(set->Name()) : IFuzzySet();
  if (term) return MakeRef<TIEValue>(IFuzzySetBase(term));
  IFuzzySet copy = set->Clone();
  copy->SetVariable(variable);
  return MakeRef<TIEValue>(IFuzzySetBase(copy));
}

}  // namespace

TFactSlot::TFactSlot(std::string_view name, TFactTemplate* owner) : FOwner(owner), FName(name) {}

TFactSlot::~TFactSlot() = default;

IFactEngine* TFactSlot::Engine() const { return FOwner ? FOwner->Engine() : nullptr; }

bool TFactSlot::DynamicChecks() const {
  IFactEngine* engine = Engine();
  return engine && engine->TypeChecks().Contains(tcDynamic);
}

void TFactSlot::SetName(std::string_view name) {
  if (name == FName) return;
  CheckConstructName(name);
  std::string old = std::move(FName);
  FName = std::string(name);
  if (!FOwner) return;
  try {
    FOwner->RenameSlot(*this, old);
  } catch (...) {
    FName = std::move(old);
    throw;
  }
}

void TFactSlot::SetSlotDefault(const IIEValue& value) {
  if (DynamicChecks() && !Admits(value))
    throw EIEException(FormatMessage(kInvalidDefaultSlotValue, {value->AsText()}));
  FSlotDefault = CopySlotValue(value);
}

void TFactSlot::SetSlotType(TIETypes types) {
  if (types == FSlotType) return;
  ApplySlotType(types);
}

// Stores a new kind set: checked first, so a refused set changes nothing.
void TFactSlot::ApplySlotType(TIETypes types) {
  if (types.Contains(dtFuzzy) && (types.Bits() & ~kFuzzyCompatibleTypes.Bits()) != 0)
    throw EIEException(kSlotMixesFuzzyType);
  if (FOwner) FOwner->SlotTypeChanged();
  FSlotType = types;
  // An implicit type belongs to this slot alone, so it follows the slot; a
  // named type is shared and keeps its own kinds.
  if (FExtendedTypeInfo && FExtendedTypeInfo->Implicit()) FExtendedTypeInfo->SetBaseTypes(types);
  EnsureAdmissibleDefault();
}

void TFactSlot::EnsureAdmissibleDefault() {
  if (!FSlotDefault || !Admits(FSlotDefault)) SetSlotDefault(MakeDefault(IsMultiSlot()));
}

void TFactSlot::SetExtendedTypeInfo(const IIEDefinedType& type) {
  if (type == FExtendedTypeInfo) return;
  FExtendedTypeInfo = type;
  if (FOwner) FOwner->SlotTypeChanged();
  if (!type) return;
  // A multislot stays a multislot: the type constrains its elements.
  TIETypes types = type->BaseTypes();
  if (FName == kImpliedSlotName || IsMultiSlot()) types = types | kListPartTypes;
  if (types != FSlotType) {
    ApplySlotType(types);
  } else {
    // The kinds stay, but the new type may still refuse the old default.
    EnsureAdmissibleDefault();
  }
}

bool TFactSlot::Admits(const TIEValue* value) const {
  if (!value) return true;
  if (value == NilValue().Get() && !AdmitsLists()) return true;
  if (value == EmptyListValue().Get() && AdmitsLists()) return true;
  if (FExtendedTypeInfo) return FExtendedTypeInfo->Validate(value);
  if (!FSlotType.Contains(value->DType())) return false;
  const TValueVector* list = value->ListPayload();
  if (!list) return true;
  for (const IIEValue& element : *list) {
    TIEType kind = element ? element->DType() : dtNone;
    if (!FSlotType.Contains(kind)) return false;
  }
  return true;
}

void TFactSlot::CheckValue(const IIEValue& value) const {
  if (DynamicChecks() && !Admits(value))
    throw EIEException(FormatMessage(kSlotValueNotValid, {value->AsText(), FName}));
}

std::string TFactSlot::TypeError(const TIEValue* value) const {
  if (Admits(value)) return "";
  if (FExtendedTypeInfo) {
    std::string message = FExtendedTypeInfo->ValidationMessage(value);
    if (message.empty()) return "";
    return FormatMessage(kSlotTypeError, {message, FName});
  }
  std::string message = KindErrorText(*value);
  if (message.empty()) return "";
  return FormatMessage(kSlotTypeError, {message, FName});
}

// The "Not a ... type" text for a value of the wrong kind, or for the first
// wrong element of a multifield; empty when the kinds are acceptable.
std::string TFactSlot::KindErrorText(const TIEValue& value) const {
  TIEType kind = value.DType();
  if (!FSlotType.Contains(kind)) {
    if (kAlwaysAdmittedTypes.Contains(kind)) return "";
    return FormatMessage(kSlotNotAType, {KindList(FSlotType), value.AsText(), TypeName(kind)});
  }
  if (kind != dtList) return "";
  for (const IIEValue& element : *value.AsList()) {
    TIEType elementKind = element ? element->DType() : dtNone;
    if (FSlotType.Contains(elementKind) || kListElementTypes.Contains(elementKind)) continue;
    std::string found = std::string(TypeName(elementKind)) + " (" + element->AsText() + ")";
    return FormatMessage(kSlotNotAType, {KindList(FSlotType), value.AsText(), found});
  }
  return "";
}

IIEValue TFactSlot::MakeDefault(bool multi) const {
  if (FExtendedTypeInfo) return FExtendedTypeInfo->DefaultValue(multi);
  if (multi) return MakeList(MakeRef<TValueVector>());
  static constexpr TIEType kPrecedence[] = {dtAtom,   dtString,          dtInteger, dtFloat,
                                            dtObject, dtExternalAddress, dtFuzzy,   dtFactId,
                                            dtFact,   dtDescriptor,      dtClass};
  for (TIEType kind : kPrecedence) {
    if (!FSlotType.Contains(kind)) continue;
    if (kind == dtFuzzy) return NilValue();
    return EmptyValueOf(kind);
  }
  return MakeRef<TIEValue>();
}

bool TFactSlot::Equals(const TFactSlot& other) const {
  if (&other == this) return true;
  if (FName != other.FName || FSlotType != other.FSlotType) return false;
  if (!SameDefinedType(FExtendedTypeInfo.Get(), other.FExtendedTypeInfo.Get())) return false;
  const TIEValue* mine = FSlotDefault.Get();
  const TIEValue* theirs = other.FSlotDefault.Get();
  if (!mine || !theirs) return !mine && !theirs;
  return mine == theirs || mine->Equals(theirs);
}

IFactSlot TFactSlot::Clone() const {
  IFactSlot copy = MakeRef<TFactSlot>("", FOwner);
  copy->Assign(*this);
  return copy;
}

void TFactSlot::Assign(const TFactSlot& source) {
  if (&source == this) return;
  IFactEngine* engine = Engine();
  bool otherEngine = engine && engine != source.Engine();
  SetName(source.FName);
  FDefaultDynamic = source.FDefaultDynamic;
  FTag = source.FTag;
  IIEDefinedType type = source.FExtendedTypeInfo;
  if (otherEngine && type) {
    IIEDefinedType own = engine->FindDefinedType(type->Name());
    if (own) type = own;
  }
  SetExtendedTypeInfo(type);
  SetSlotType(source.FSlotType);
  IIEValue value = source.FSlotDefault;
  if (otherEngine && value) {
    TIEType kind = value->DType();
    if (kind == dtFuzzy) {
      value = FuzzyDefaultFor(*value, FExtendedTypeInfo.Get());
      if (!value) value = MakeDefault(IsMultiSlot());
    } else if (kind == dtFunCall || kind == dtFact) {
      value = engine->ParseValue(value->AsText());
    }
  }
  SetSlotDefault(value);
}

std::string TFactSlot::Text() const {
  IFactEngine* engine = Engine();
  return engine ? engine->PrintTemplateSlot(*this) : PrintTemplateSlot(*this);
}

bool SameDefinedType(const TIEDefinedType* a, const TIEDefinedType* b) {
  if (a == b) return true;
  if (!a || !b) return false;
  return a->Name() == b->Name() && a->BaseTypes() == b->BaseTypes() &&
         a->Implicit() == b->Implicit() && a->RangeLimited() == b->RangeLimited() &&
         a->MinRange() == b->MinRange() && a->MaxRange() == b->MaxRange() &&
         a->CardinalityLimited() == b->CardinalityLimited() &&
         a->MinCardinality() == b->MinCardinality() && a->MaxCardinality() == b->MaxCardinality() &&
         a->Units() == b->Units() && a->SameAllowedValues(b);
}

}  // namespace vettora
