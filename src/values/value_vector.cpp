#include "values/value_vector.h"

#include "values/recycler.h"

namespace vettora {

void* TValueVector::operator new(size_t size) { return TRecycler<TValueVector>::Allocate(size); }

void TValueVector::operator delete(void* memory, size_t size) noexcept {
  TRecycler<TValueVector>::Free(memory, size);
}

void TValueVector::Assign(const TValueVector& source) {
  if (&source == this) return;
  FItems.Clear();
  for (const IIEValue& v : source) FItems.Add(v ? v->Clone() : IIEValue());
  FTag = source.FTag;
}

IValueVector TValueVector::Clone() const {
  IValueVector copy = MakeRef<TValueVector>();
  copy->Assign(*this);
  return copy;
}

bool TValueVector::Equals(const TValueVector& other) const {
  if (&other == this) return true;
  if (other.Count() != Count()) return false;
  for (int32_t i = 0; i < Count(); ++i) {
    const IIEValue& a = FItems.Items(i);
    const IIEValue& b = other.FItems.Items(i);
    if (!a || !b) {
      if (a || b) return false;
      continue;
    }
    if (!a->Equals(b)) return false;
  }
  return true;
}

void TValueVector::AddAll(const TValueVector& source) {
  // Copy first: adding a list to itself must not see its own growth.
  std::vector<IIEValue> items(source.begin(), source.end());
  for (IIEValue& v : items) FItems.Add(std::move(v));
}

std::string TValueVector::AsText() const {
  std::string text;
  for (const IIEValue& v : FItems) {
    if (v) text += v->AsText();
    text += ' ';
  }
  return text;
}

uint32_t TValueVector::HashCode() const {
  uint32_t h = 0;
  for (const IIEValue& v : FItems)
    if (v) h += v->HashCode();
  return h;
}

}  // namespace vettora
