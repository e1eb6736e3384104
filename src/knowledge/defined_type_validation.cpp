// Validation of values against a defined type, the explanation of a
// rejection, and the default value a type proposes for a slot.
#include <cctype>
#include <cmath>
#include <limits>

#include "knowledge/defined_type.h"
#include "knowledge/messages.h"
#include "values/format.h"
#include "values/interface_list.h"
#include "values/messages.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

const TIETypes kFuzzyOnly{dtFuzzy};

// Kinds every non-fuzzy type lets through untested: they are expressions
// or placeholders whose value is checked once it is known.
bool AlwaysAdmitted(TIEType kind) {
  return kind == dtNone || kind == dtVariable || kind == dtFunCall || kind == dtMultiVariable;
}

// Kinds a fuzzy type accepts because they can be turned into a fuzzy value.
bool ConvertibleToFuzzy(TIEType kind) {
  switch (kind) {
    case dtAtom:
    case dtString:
    case dtInteger:
    case dtVariable:
    case dtFloat:
    case dtFunCall:
    case dtSingletons:
    case dtMultiVariable:
      return true;
    default:
      return false;
  }
}

bool WholeInt32(double v, int32_t& out) { return std::trunc(v) == v && TryTruncToInt32(v, out); }

// A double brought into 32 bits: out-of-range values stop at the limits,
// NaN gives 0.
int32_t ClampToInt32(double v) {
  if (std::isnan(v)) return 0;
  if (v <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (v >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return int32_t(v);
}

}  // namespace

// ---- Validation --------------------------------------------------------------

bool TIEDefinedType::KindAllowed(TIEType kind) const {
  return FBaseTypes.Contains(kind) || AlwaysAdmitted(kind);
}

bool TIEDefinedType::InAllowedList(const TIEValue& value) const {
  TValueConstraint kind = ConstraintKindOf(value);
  if (!FConstraints.Contains(kind)) {
    // Only a float gets here with the integers restricted: one that is not
    // a whole 32-bit number, which no allowed integer can equal.
    return !(value.DType() == dtFloat && FConstraints.Contains(vcInteger));
  }
  int32_t whole = 0;
  switch (kind) {
    case vcAtom:
      return FAllowedAtoms->Contains(value.Text());
    case vcString:
      return FAllowedStrings->Contains(value.Text());
    case vcInteger:
      if (value.DType() == dtInteger) return FAllowedIntegers->Contains(value.AsInteger());
      return WholeInt32(value.AsNumeric(), whole) && FAllowedIntegers->Contains(whole);
    case vcFloat:
      return FAllowedFloats->Matches(value.AsNumeric());
  }
  return false;
}

TIEDefinedType::TRejection TIEDefinedType::ScalarRejection(const TIEValue& value) const {
  TIEType kind = value.DType();
  if (FBaseTypes == kFuzzyOnly) {
    if (kind == dtFuzzy) return IsOwnFuzzyValue(value) ? rjNone : rjFuzzy;
    return ConvertibleToFuzzy(kind) ? rjNone : rjFuzzy;
  }
  if (!KindAllowed(kind)) return rjKind;
  bool number = kind == dtInteger || kind == dtFloat;
  if ((number || kind == dtAtom || kind == dtString) && !InAllowedList(value)) return rjNotAllowed;
  if (FRangeLimited && number) {
    double x = value.AsNumeric();
    if (!(x >= FMinRange && x <= FMaxRange)) return rjRange;  // NaN is out of any range
  }
  return rjNone;
}

TIEDefinedType::TRejection TIEDefinedType::Rejection(const TIEValue* value,
                                                     const TIEValue** element) const {
  if (!value) return FBaseTypes == kFuzzyOnly ? rjFuzzy : rjNone;  // an empty value
  if (value->DType() != dtList) return ScalarRejection(*value);
  // A list is judged by its length and its elements, not by BaseTypes.
  IValueVector list = value->AsList();
  int32_t count = list ? list->Count() : 0;
  if (FCardinalityLimited && (count < FMinCardinality || count > FMaxCardinality))
    return rjCardinality;
  for (int32_t i = 0; i < count; ++i) {
    const TIEValue* item = list->Items(i).Get();
    if (!Validate(item)) {
      *element = item;
      return rjElement;
    }
  }
  return rjNone;
}

bool TIEDefinedType::Validate(const TIEValue* value) const {
  const TIEValue* element = nullptr;
  return Rejection(value, &element) == rjNone;
}

std::string TIEDefinedType::KindRejectionText(const TIEValue& value) const {
  std::string words;
  for (int k = 0; k < kTIETypeCount; ++k) {
    if (!FBaseTypes.Contains(TIEType(k))) continue;
    if (!words.empty()) words += ", ";
    for (const char* p = TypeName(TIEType(k)) + 2; *p; ++p)
      words += char(std::toupper(static_cast<unsigned char>(*p)));
  }
  return FormatMessage(kNotAType, {words, value.AsText(), TypeName(value.DType())});
}

std::string TIEDefinedType::ValidationMessage(const TIEValue* value) const {
  const TIEValue* element = nullptr;
  std::string reason;
  switch (Rejection(value, &element)) {
    case rjNone:
      return std::string();
    case rjElement:
      return ValidationMessage(element);  // the element's message, whole
    case rjCardinality:
      reason = FormatMessage(kMultislotCardinality, {FMinCardinality, FMaxCardinality});
      break;
    case rjFuzzy:
      reason = kInvalidFuzzyValue;
      break;
    case rjKind:
      reason = KindRejectionText(*value);
      break;
    case rjNotAllowed:
      reason = kNotInAllowedValues;
      break;
    case rjRange:
      reason = FormatMessage(kRangeMustBeBetween, {FMinRange, FMaxRange});
      break;
  }
  return FormatMessage(kValueNotValid, {value ? value->AsText() : std::string(), reason});
}

// ---- Default value -----------------------------------------------------------

double TIEDefinedType::RangeDefault() const {
  if (FMinRange == kNoMinRange && FMaxRange == kNoMaxRange) return 0.0;
  return FMinRange != kNoMinRange ? FMinRange : FMaxRange;
}

IIEValue TIEDefinedType::SingleDefault() const {
  auto has = [this](TIEType k) { return FBaseTypes.Contains(k); };
  if (has(dtAtom)) return MakeAtom(AllowedCount(vcAtom) ? FAllowedAtoms->Items(0) : "");
  if (has(dtString)) return MakeString(AllowedCount(vcString) ? FAllowedStrings->Items(0) : "");
  if (has(dtInteger)) {
    if (AllowedCount(vcInteger)) return MakeInteger(FAllowedIntegers->Items(0));
    if (!FRangeLimited) return MakeInteger(0);
    // The whole number nearest the bound on the inside, so that the default
    // passes the range test whenever some integer can.
    double bound = RangeDefault();
    return MakeInteger(ClampToInt32(bound == FMinRange ? std::ceil(bound) : std::floor(bound)));
  }
  if (has(dtFloat)) {
    if (AllowedCount(vcFloat)) return MakeFloat(FAllowedFloats->Items(0));
    return MakeFloat(FRangeLimited ? RangeDefault() : 0.0);
  }
  IIEValue value = MakeRef<TIEValue>();
  if (has(dtObject)) {
    value->SetAsObject(nullptr);
  } else if (has(dtExternalAddress)) {
    value->SetAsExternalAddress(0);
  } else if (has(dtFuzzy)) {
    return FFuzzyVariable ? EmptyFuzzyTerm() : NilValue();
  } else if (has(dtFactId)) {
    value->SetAsFactId(0);
  } else if (has(dtFact)) {
    value->SetAsFact(IFactBase());
  } else if (has(dtDescriptor)) {
    value->SetAsDescriptor(0);
  } else if (has(dtClass)) {
    value->SetAsClass(nullptr);
  }
  return value;
}

IIEValue TIEDefinedType::DefaultValue(bool multislot) const {
  if (!multislot) return SingleDefault();
  IValueVector list = MakeRef<TValueVector>();  // never the shared empty list itself
  if (FCardinalityLimited && FMinCardinality > 0) {
    if (FMinCardinality > TGInterfaceList<TIEValue>::MaxListSize)
      throw EListError(FormatMessage(kListCountError, {FMinCardinality}));
    IIEValue single = SingleDefault();
    list->Add(single);
    for (int32_t i = 1; i < FMinCardinality; ++i)
      list->Add(IsSharedConstant(single.Get()) ? single : single->Clone());
  }
  return MakeList(list);
}

}  // namespace vettora
