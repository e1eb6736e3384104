#include "values/singletons_vector.h"

namespace vettora {

TSingletonsVector::TSingletonsVector()
    : FX(MakeRef<TValueVector>()), FY(MakeRef<TValueVector>()) {}

void TSingletonsVector::Assign(const TSingletonsVector& source) {
  if (&source == this) return;
  FX->Assign(*source.FX);
  FY->Assign(*source.FY);
  FOwner = source.FOwner;
  FTag = source.FTag;
}

ISingletonsVector TSingletonsVector::Clone() const {
  ISingletonsVector copy = MakeRef<TSingletonsVector>();
  copy->Assign(*this);
  return copy;
}

bool TSingletonsVector::Equals(const TSingletonsVector& other) const {
  return FX->Equals(*other.FX) && FY->Equals(*other.FY);
}

void TSingletonsVector::Add(IIEValue x, IIEValue y) {
  FX->Add(std::move(x));
  FY->Add(std::move(y));
}

void TSingletonsVector::Insert(int32_t i, IIEValue x, IIEValue y) {
  FX->Insert(i, std::move(x));
  FY->Insert(i, std::move(y));
}

void TSingletonsVector::Delete(int32_t i) {
  FX->Delete(i);
  FY->Delete(i);
}

void TSingletonsVector::Clear() {
  FX->Clear();
  FY->Clear();
}

std::string TSingletonsVector::AsText() const {
  if (FOwner) return FOwner->SingletonsText(*this);
  std::string text;
  for (int32_t i = 0; i < Count(); ++i) {
    text += '(';
    if (X(i)) text += X(i)->AsText();
    text += ' ';
    if (Y(i)) text += Y(i)->AsText();
    text += ") ";
  }
  return text;
}

}  // namespace vettora
