// TIEValue: equality in type and value, equality in value, and hashing.
#include <cstring>

#include "values/singletons_vector.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

bool IsIntegerKind(TIEType k) {
  return k == dtInteger || k == dtFactId || k == dtDescriptor;
}

// The float's hash is its integer reading; one that does not fit in 32 bits
// hashes by its bits, since a hash must never raise.
uint32_t FloatHash(double v) {
  int32_t i = 0;
  if (TryTruncToInt32(v, i)) return uint32_t(i);
  uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  return uint32_t(bits ^ (bits >> 32));
}

}  // namespace

uint32_t ValueStringHash(std::string_view text) {
  uint32_t h = 0;
  size_t n = text.size();
  size_t step = n <= 15 ? 1 : n / 8;
  for (size_t i = 0; i < n; i += step) h = h * 31u + static_cast<unsigned char>(text[i]);
  return h;
}

bool TIEValue::Equals(const TIEValue* other) const {
  if (other == this) return true;
  if (!other) return false;
  if (other->FType != FType) {
    if (other->FType == dtFuzzy) return other->Equals(this);
    if (FType != dtFuzzy) return false;
  }
  if (IsTextKind(FType)) return FText == other->FText;
  switch (FType) {
    case dtNone:
      return true;
    case dtInteger:
    case dtFactId:
    case dtDescriptor:
    case dtExternalAddress:
      return FPayload.Int == other->FPayload.Int;
    case dtFloat:
      return FPayload.Float == other->FPayload.Float;
    case dtFunCall:
      return static_cast<TFunCallBase*>(Counted())->Equals(
          *static_cast<TFunCallBase*>(other->Counted()));
    case dtFact:
      return static_cast<TFactBase*>(Counted())->Equals(*static_cast<TFactBase*>(other->Counted()));
    case dtList:
      return static_cast<TValueVector*>(Counted())->Equals(
          *static_cast<TValueVector*>(other->Counted()));
    case dtSingletons:
      return static_cast<TSingletonsVector*>(Counted())->Equals(
          *static_cast<TSingletonsVector*>(other->Counted()));
    case dtObject:
      return FPayload.Object == other->FPayload.Object;
    case dtFuzzy:
      return static_cast<TFuzzySetBase*>(Counted())->FuzzyMatches(*other);
    default:  // dtClass
      return false;
  }
}

bool TIEValue::ValueEquals(const TIEValue* other) const {
  if (!other) return false;
  if ((FType == dtFunCall) != (other->FType == dtFunCall)) return false;
  if (other->FType == dtFuzzy && FType != dtFuzzy) return other->ValueEquals(this);
  if (IsTextKind(FType)) return FText == other->AsString();
  switch (FType) {
    case dtNone:
      return true;
    case dtInteger:
    case dtFactId:
    case dtDescriptor:
      return FPayload.Int == other->AsInteger();
    case dtFloat:
      return FPayload.Float == other->AsFloat();
    case dtExternalAddress:
      return intptr_t(FPayload.Int) == other->AsExternalAddress();
    case dtClass:
      return false;
    default:  // function calls, facts, lists, objects, singletons, fuzzy values
      return Equals(other);
  }
}

uint32_t TIEValue::HashCode() const {
  if (IsTextKind(FType)) return ValueStringHash(FText);
  switch (FType) {
    case dtFuzzy:
      return ValueStringHash(AsString());
    case dtFunCall:
      return static_cast<TFunCallBase*>(Counted())->HashCode();
    case dtFact:
      return static_cast<TFactBase*>(Counted())->HashCode();
    case dtList:
      return static_cast<TValueVector*>(Counted())->HashCode();
    case dtSingletons:
      return static_cast<TSingletonsVector*>(Counted())->HashCode();
    case dtObject:
      return uint32_t(reinterpret_cast<uintptr_t>(FPayload.Object));
    case dtClass:
      return uint32_t(reinterpret_cast<uintptr_t>(FPayload.Class));
    case dtFloat:
      return FloatHash(FPayload.Float);
    default:
      if (IsIntegerKind(FType) || FType == dtExternalAddress) return uint32_t(FPayload.Int);
      return 0;
  }
}

}  // namespace vettora
