#include "knowledge/defined_type.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <type_traits>

#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TIETypes TIEDefinedType::DefaultBaseTypes() {
  return {dtAtom,    dtString, dtInteger,    dtVariable, dtFactId, dtFloat,
          dtFunCall, dtFact,   dtDescriptor, dtObject,   dtClass,  dtExternalAddress};
}

TIEDefinedType::TIEDefinedType(IDefinedTypeReasoner* reasoner)
    : FReasoner(reasoner), FBaseTypes(DefaultBaseTypes()) {}

TIEDefinedType::~TIEDefinedType() {
  FOnChange = nullptr;
  DropFuzzyVariable();
}

IIEDefinedType TIEDefinedType::Create(IDefinedTypeReasoner* reasoner) {
  return MakeRef<TIEDefinedType>(reasoner);
}

void TIEDefinedType::Changed() {
  if (FUpdateCount == 0 && FOnChange) FOnChange(*this);
}

void TIEDefinedType::EndUpdate() {
  if (FUpdateCount == 0) return;  // an unmatched EndUpdate changes nothing
  if (--FUpdateCount == 0) Changed();
}

TIEDefinedType::TUpdateGuard::TUpdateGuard(TIEDefinedType& type)
    : FType(type), FExceptions(std::uncaught_exceptions()) {
  FType.BeginUpdate();
}

TIEDefinedType::TUpdateGuard::~TUpdateGuard() noexcept(false) {
  if (std::uncaught_exceptions() == FExceptions) {
    FType.EndUpdate();
    return;
  }
  // Unwinding: the type may be half changed, so observers still hear of
  // it, but a second exception here would terminate the program.
  try {
    FType.EndUpdate();
  } catch (...) {
  }
}

// ---- Plain properties ------------------------------------------------------

void TIEDefinedType::SetName(std::string_view name) {
  if (FName == name) return;
  FName = name;
  Changed();
}

void TIEDefinedType::SetComment(std::string_view comment) {
  if (FComment == comment) return;
  FComment = comment;
  Changed();
}

void TIEDefinedType::SetRangeLimited(bool limited) {
  if (FRangeLimited == limited) return;
  FRangeLimited = limited;
  Changed();
}

void TIEDefinedType::SetCardinalityLimited(bool limited) {
  if (FCardinalityLimited == limited) return;
  FCardinalityLimited = limited;
  Changed();
}

void TIEDefinedType::SetImplicit(bool implicit) {
  if (FImplicit == implicit) return;
  FImplicit = implicit;
  Changed();
}

void TIEDefinedType::SetTag(int32_t tag) {
  if (FTag == tag) return;
  FTag = tag;
  Changed();
}

void TIEDefinedType::SetUnits(std::string_view units) {
  if (FUnits == units) return;
  FUnits = units;
  PassUnitsToFuzzy();
  Changed();
}

// ---- Range and cardinality -------------------------------------------------

void TIEDefinedType::SetMinRange(double value) {
  if (FMinRange == value) return;
  FMinRange = value;
  if (value > FMaxRange) FMaxRange = value;
  PassMinRangeToFuzzy();
  Changed();
}

void TIEDefinedType::SetMaxRange(double value) {
  if (FMaxRange == value) return;
  FMaxRange = value;
  if (value < FMinRange) FMinRange = value;
  PassMaxRangeToFuzzy();
  Changed();
}

void TIEDefinedType::SetMinCardinality(int32_t value) {
  value = std::max(value, 0);
  if (FMinCardinality == value) return;
  FMinCardinality = value;
  if (value > FMaxCardinality) FMaxCardinality = value;
  Changed();
}

void TIEDefinedType::SetMaxCardinality(int32_t value) {
  value = std::max(value, 0);
  if (FMaxCardinality == value) return;
  FMaxCardinality = value;
  if (value < FMinCardinality) FMinCardinality = value;
  Changed();
}

// ---- Ancestor --------------------------------------------------------------

void TIEDefinedType::CheckAncestor(const TIEDefinedType* ancestor) const {
  // Every chain was checked when it was built, so it ends: walking it is
  // safe, and finding this type in it means the new link would close a loop.
  for (const TIEDefinedType* t = ancestor; t; t = t->FAncestor.Get())
    if (t == this) throw EIEException(FormatMessage(kTypeInheritanceLoop, {FName}));
}

void TIEDefinedType::SetAncestor(const IIEDefinedType& ancestor) {
  if (FAncestor == ancestor) return;
  CheckAncestor(ancestor.Get());
  FAncestor = ancestor;
  if (ancestor) FImplicit = false;
  Changed();
}

// ---- Base types and constraints --------------------------------------------

void TIEDefinedType::SetBaseTypes(TIETypes types) {
  // Structural kinds describe where a value sits, not what it is.
  for (TIEType k : {dtNone, dtList, dtMultiVariable, dtSlot, dtMultiSlot}) types.Exclude(k);
  const TIETypes fuzzy{dtFuzzy};
  if (types.Contains(dtFuzzy) && types != fuzzy) throw EIEException(kCannotMixFuzzyType);
  if (FBaseTypes == types) return;
  FBaseTypes = types;
  if (types == fuzzy) {
    if (!FFuzzyVariable) CreateFuzzyVariable();
  } else {
    DropFuzzyVariable();
  }
  Changed();
}

void TIEDefinedType::SetConstraints(TValueConstraints constraints) {
  if (FConstraints == constraints) return;
  auto keep = [&](auto& list, TValueConstraint c) {
    using TList = typename std::remove_reference_t<decltype(list)>::element_type;
    if (!constraints.Contains(c))
      list.reset();
    else if (!list)
      list = std::make_unique<TList>();
  };
  keep(FAllowedAtoms, vcAtom);
  keep(FAllowedStrings, vcString);
  keep(FAllowedIntegers, vcInteger);
  keep(FAllowedFloats, vcFloat);
  FConstraints = constraints;
  Changed();
}

// ---- Copying ---------------------------------------------------------------

void TIEDefinedType::CopyFrom(const TIEDefinedType& source, bool appendAllowed) {
  if (&source == this) return;
  // The ancestor names a type of the source's engine: only kept within it.
  // Checked first: it is the only step that can fail, and it must fail
  // before anything has changed.
  IIEDefinedType ancestor = source.FReasoner == FReasoner ? source.FAncestor : IIEDefinedType();
  CheckAncestor(ancestor.Get());
  TUpdateGuard update(*this);
  FAncestor = ancestor;
  FBaseTypes = source.FBaseTypes;
  FName = source.FName;
  FComment = source.FComment;
  FRangeLimited = source.FRangeLimited;
  FMinRange = source.FMinRange;
  FMaxRange = source.FMaxRange;
  FCardinalityLimited = source.FCardinalityLimited;
  FMinCardinality = source.FMinCardinality;
  FMaxCardinality = source.FMaxCardinality;
  FImplicit = source.FImplicit;
  FTag = source.FTag;
  FUnits = source.FUnits;
  CopyFuzzyVariableFrom(source);
  if (!appendAllowed) SetConstraints({});
  SetConstraints(source.FConstraints);
  AppendAllowedFrom(source);
  // The change is reported once, when the bracket closes.
}

void TIEDefinedType::Assign(const TIEDefinedType& source) { CopyFrom(source, false); }

void TIEDefinedType::AssignFromInterface(const TIEDefinedType& source) { CopyFrom(source, true); }

IIEDefinedType TIEDefinedType::Clone() const {
  IIEDefinedType copy = Create(FReasoner);
  copy->Assign(*this);
  return copy;
}

std::string TIEDefinedType::AsText() const {
  return FReasoner ? FReasoner->PrintDefinedType(*this) : std::string();
}

}  // namespace vettora
