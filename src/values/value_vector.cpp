#include "values/value_vector.h"

#include "values/recycler.h"
#include "values/stack_space.h"

namespace vettora {

namespace {
constexpr const char* kListsNesting = "Lists";
}  // namespace

void* TValueVector::operator new(size_t size) { return TRecycler<TValueVector>::Allocate(size); }

void TValueVector::operator delete(void* memory, size_t size) noexcept {
  TRecycler<TValueVector>::Free(memory, size);
}

// Each list taken off is emptied of its own nested lists before it goes,
// so its destructor finds none and the depth of the calls stays one.
TValueVector::~TValueVector() {
  std::vector<IValueVector> lists;
  TakeNestedLists(lists);
  while (!lists.empty()) {
    IValueVector list = std::move(lists.back());
    lists.pop_back();
    if (list && list->RefCount() == 1) list->TakeNestedLists(lists);
  }
}

void TValueVector::TakeNestedLists(std::vector<IValueVector>& lists) {
  for (const IIEValue& item : FItems) {
    if (!item || item->RefCount() != 1) continue;
    TValueVector* nested = item->ListPayload();
    if (nested == nullptr || nested->RefCount() != 1) continue;  // held by the element alone
    lists.push_back(IValueVector(nested));
    item->Clear();
  }
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

// Comparing, printing and hashing recurse into nested lists, and the rule
// language can nest lists without bound ((bind ?x (create$ ?x)) in a loop):
// each asks for stack before going a level deeper.
bool TValueVector::Equals(const TValueVector& other) const {
  if (&other == this) return true;
  if (other.Count() != Count()) return false;
  CheckStackSpace(kListsNesting);
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
  CheckStackSpace(kListsNesting);
  std::string text;
  for (const IIEValue& v : FItems) {
    if (v) text += v->AsText();
    text += ' ';
  }
  return text;
}

uint32_t TValueVector::HashCode() const {
  CheckStackSpace(kListsNesting);
  uint32_t h = 0;
  for (const IIEValue& v : FItems)
    if (v) h += v->HashCode();
  return h;
}

}  // namespace vettora
