// The allowed-value lists of a defined type: which list a constant belongs
// to, adding, removing and reading entries, comparing two types' lists and
// the allowed-values statement of the `deftype` text.
#include <cmath>

#include "knowledge/defined_type.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// A float that is a whole number within 32 bits can stand for an integer.
bool WholeInt32(double v, int32_t& out) { return std::trunc(v) == v && TryTruncToInt32(v, out); }

}  // namespace

void TIEDefinedType::RaiseNoConstraint(TValueConstraint kind) const {
  throw EIEException(FormatMessage(kTypeDoesNotHaveConstraint, {FName, ConstraintName(kind)}));
}

TValueConstraint TIEDefinedType::ConstraintKindOf(const TIEValue& value) const {
  int32_t whole = 0;
  switch (value.DType()) {
    case dtAtom:
      return vcAtom;
    case dtString:
      return vcString;
    case dtInteger:
      if (!FConstraints.Contains(vcInteger) && FConstraints.Contains(vcFloat)) return vcFloat;
      return vcInteger;
    case dtFloat:
      if (!FConstraints.Contains(vcFloat) && FConstraints.Contains(vcInteger) &&
          WholeInt32(value.AsNumeric(), whole))
        return vcInteger;
      return vcFloat;
    default:
      // TypeName gives "dtFuzzy"; the message names the kind without "dt".
      throw EIEException(
          FormatMessage(kTypeCannotContainConstraint, {FName, TypeName(value.DType()) + 2}));
  }
}

int32_t TIEDefinedType::AllowedCount(TValueConstraint kind) const {
  switch (kind) {
    case vcAtom:
      return FAllowedAtoms ? FAllowedAtoms->Count() : 0;
    case vcString:
      return FAllowedStrings ? FAllowedStrings->Count() : 0;
    case vcInteger:
      return FAllowedIntegers ? FAllowedIntegers->Count() : 0;
    case vcFloat:
      return FAllowedFloats ? FAllowedFloats->Count() : 0;
  }
  return 0;
}

IIEValue TIEDefinedType::AllowedItem(TValueConstraint kind, int32_t i) const {
  if (!FConstraints.Contains(kind)) RaiseNoConstraint(kind);
  switch (kind) {
    case vcAtom:
      return MakeAtom(FAllowedAtoms->Items(i));
    case vcString:
      return MakeString(FAllowedStrings->Items(i));
    case vcInteger:
      return MakeInteger(FAllowedIntegers->Items(i));
    case vcFloat:
      return MakeFloat(FAllowedFloats->Items(i));
  }
  return IIEValue();
}

void TIEDefinedType::AddAllowedValue(const TIEValue& value) {
  TValueConstraint kind = ConstraintKindOf(value);
  if (!FConstraints.Contains(kind))
    throw EIEException(
        FormatMessage(kTypeCannotContainConstraint, {FName, TypeName(value.DType()) + 2}));
  switch (kind) {
    case vcAtom:
      FAllowedAtoms->Add(value.Text());
      break;
    case vcString:
      FAllowedStrings->Add(value.Text());
      break;
    // The mapping only sends whole floats that fit to the integers.
    case vcInteger:
      FAllowedIntegers->Add(value.AsInteger());
      break;
    case vcFloat:
      FAllowedFloats->Add(value.AsNumeric());
      break;
  }
  Changed();
}

void TIEDefinedType::AddAllowedValue(const IIEValue& value) {
  if (value) {
    AddAllowedValue(*value);
    return;
  }
  throw EIEException(FormatMessage(kTypeCannotContainConstraint, {FName, TypeName(dtNone) + 2}));
}

bool TIEDefinedType::RemoveAllowedValue(const TIEValue& value) {
  TValueConstraint kind = ConstraintKindOf(value);
  if (!FConstraints.Contains(kind)) return false;
  bool removed = false;
  int32_t whole = 0;
  switch (kind) {
    case vcAtom:
      removed = FAllowedAtoms->Remove(value.Text());
      break;
    case vcString:
      removed = FAllowedStrings->Remove(value.Text());
      break;
    case vcInteger:
      removed = value.DType() == dtInteger
                    ? FAllowedIntegers->Remove(value.AsInteger())
                    : WholeInt32(value.AsNumeric(), whole) && FAllowedIntegers->Remove(whole);
      break;
    case vcFloat:
      removed = FAllowedFloats->RemoveMatch(value.AsNumeric());
      break;
  }
  if (removed) Changed();
  return removed;
}

void TIEDefinedType::DeleteAllowedItem(TValueConstraint kind, int32_t i) {
  if (!FConstraints.Contains(kind)) RaiseNoConstraint(kind);
  switch (kind) {
    case vcAtom:
      FAllowedAtoms->Delete(i);
      break;
    case vcString:
      FAllowedStrings->Delete(i);
      break;
    case vcInteger:
      FAllowedIntegers->Delete(i);
      break;
    case vcFloat:
      FAllowedFloats->Delete(i);
      break;
  }
  Changed();
}

void TIEDefinedType::ClearAllowed(TValueConstraint kind) {
  if (AllowedCount(kind) == 0) return;
  switch (kind) {
    case vcAtom:
      FAllowedAtoms->Clear();
      break;
    case vcString:
      FAllowedStrings->Clear();
      break;
    case vcInteger:
      FAllowedIntegers->Clear();
      break;
    case vcFloat:
      FAllowedFloats->Clear();
      break;
  }
  Changed();
}

void TIEDefinedType::ClearAllAllowed() {
  TUpdateGuard update(*this);
  for (TValueConstraint c : {vcAtom, vcString, vcInteger, vcFloat}) ClearAllowed(c);
}

void TIEDefinedType::AppendAllowedFrom(const TIEDefinedType& source) {
  // Each source list exists exactly when this type's list for it does:
  // the constraints were copied first.
  if (source.FAllowedAtoms)
    for (const std::string& s : *source.FAllowedAtoms) FAllowedAtoms->Add(s);
  if (source.FAllowedStrings)
    for (const std::string& s : *source.FAllowedStrings) FAllowedStrings->Add(s);
  if (source.FAllowedIntegers)
    for (int32_t v : *source.FAllowedIntegers) FAllowedIntegers->Add(v);
  if (source.FAllowedFloats)
    for (double v : *source.FAllowedFloats) FAllowedFloats->Add(v);
}

bool TIEDefinedType::SameAllowedValues(const TIEDefinedType* other) const {
  if (!other) return false;
  if (other == this) return true;
  if (FConstraints != other->FConstraints) return false;
  // Lists exist exactly for the constraints in force, which are the same.
  return (!FAllowedAtoms || FAllowedAtoms->SameAs(*other->FAllowedAtoms)) &&
         (!FAllowedStrings || FAllowedStrings->SameAs(*other->FAllowedStrings)) &&
         (!FAllowedIntegers || FAllowedIntegers->SameAs(*other->FAllowedIntegers)) &&
         (!FAllowedFloats || FAllowedFloats->SameAs(*other->FAllowedFloats));
}

// ---- The allowed-values statement -------------------------------------------

namespace {

constexpr const char* kIndent = "    ";
constexpr const char* kLineEnd = "\r\n";

void AppendAtoms(std::string& out, const TAllowedTextList* list) {
  if (!list) return;
  for (const std::string& s : *list) out.append(s).push_back(' ');
}

// Strings print as string values do, so that the text reads back as the
// same strings even when they hold quotes or backslashes.
void AppendStrings(std::string& out, const TAllowedTextList* list) {
  if (!list) return;
  for (const std::string& s : *list) out.append(TIEValue(s, dtString).AsText()).push_back(' ');
}

void AppendIntegers(std::string& out, const TAllowedIntegerList* list) {
  if (!list) return;
  for (int32_t v : *list) out.append(std::to_string(v)).push_back(' ');
}

void AppendFloats(std::string& out, const TAllowedFloatList* list) {
  if (!list) return;
  for (double v : *list) out.append(FormatFloat4(v)).push_back(' ');
}

}  // namespace

std::string TIEDefinedType::AllowedValuesText() const {
  std::string out;
  const TAllowedTextList* atoms = FAllowedAtoms.get();
  const TAllowedTextList* strings = FAllowedStrings.get();
  const TAllowedIntegerList* integers = FAllowedIntegers.get();
  const TAllowedFloatList* floats = FAllowedFloats.get();
  if (FConstraints == TValueConstraints::All()) {
    out.append(kIndent).append("(allowed-values ");
    AppendAtoms(out, atoms);
    AppendStrings(out, strings);
    AppendIntegers(out, integers);
    AppendFloats(out, floats);
    return out.append(")").append(kLineEnd);
  }
  if (integers || floats) {
    out.append(kIndent);
    out.append(!floats     ? "(allowed-integers "
               : !integers ? "(allowed-floats "
                           : "(allowed-numbers ");
    AppendIntegers(out, integers);
    AppendFloats(out, floats);
    out.append(") ").append(kLineEnd);
  }
  if (atoms || strings) {
    out.append(kIndent);
    out.append(!strings ? "(allowed-symbols " : !atoms ? "(allowed-strings " : "(allowed-lexemes ");
    AppendAtoms(out, atoms);
    AppendStrings(out, strings);
    out.append(")").append(kLineEnd);
  }
  return out;
}

}  // namespace vettora
