// TIEValue: construction, content, ownership and readers.
#include "values/value.h"

#include <cmath>
#include <string>

#include "values/component.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"
#include "values/recycler.h"
#include "values/singletons_vector.h"
#include "values/value_vector.h"

namespace vettora {

void* TIEValue::operator new(size_t size) { return TRecycler<TIEValue>::Allocate(size); }

void TIEValue::operator delete(void* memory, size_t size) noexcept {
  TRecycler<TIEValue>::Free(memory, size);
}

// Watches an owned component: when it is destroyed elsewhere, the value
// drops it and clears itself.
class TIEValue::TNexus : public TComponent {
 public:
  TNexus(TIEValue& value, TComponent& owned) : FValue(value) { owned.FreeNotification(this); }
  [[nodiscard]] std::string ClassName() const override { return "TIEValueNexus"; }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove && component == FValue.FPayload.Object) FValue.DropOwned();
  }

 private:
  TIEValue& FValue;
};

struct TIEValue::TExtras {
  TChangeEvent OnChange;
  bool OwnsPlain = false;          // owns a plain (non-component) object
  std::unique_ptr<TNexus> Nexus;   // owns a component
};

namespace {

bool IsIntegerKind(TIEType k) {
  return k == dtInteger || k == dtFactId || k == dtDescriptor || k == dtExternalAddress;
}

}  // namespace

TIEValue::TIEValue() = default;

TIEValue::TIEValue(std::string_view text, TIEType kind) {
  if (!IsTextKind(kind)) throw EIEException(kValueTypeMismatch);
  FType = kind;
  FText = text;
}

TIEValue::TIEValue(int32_t number, TIEType kind) {
  if (kind != dtInteger && kind != dtFactId && kind != dtDescriptor)
    throw EIEException(kValueTypeMismatch);
  FType = kind;
  FPayload.Int = number;
}

TIEValue::TIEValue(double number) : FType(dtFloat) { FPayload.Float = number; }

TIEValue::TIEValue(IValueVector list) { StoreCounted(list.Detach(), dtList); }
TIEValue::TIEValue(IFuzzySetBase fuzzy) { StoreCounted(fuzzy.Detach(), dtFuzzy); }
TIEValue::TIEValue(IFactBase fact) { StoreCounted(fact.Detach(), dtFact); }
TIEValue::TIEValue(IFunCallBase call) { StoreCounted(call.Detach(), dtFunCall); }
TIEValue::TIEValue(ISingletonsVector s) { StoreCounted(s.Detach(), dtSingletons); }

TIEValue::~TIEValue() {
  if (FExtras) FExtras->OnChange = nullptr;
  ReleaseContent();
}

// Takes over one reference already counted for `object` (may be null).
void TIEValue::StoreCounted(TCounted* object, TIEType kind) {
  FType = kind;
  FPayload.Counted = object;
}

const TIEValue::TChangeEvent& TIEValue::OnChange() const {
  static const TChangeEvent kNone;
  return FExtras ? FExtras->OnChange : kNone;
}

void TIEValue::SetOnChange(TChangeEvent handler) {
  if (!handler && !FExtras) return;
  Extras().OnChange = std::move(handler);
}

TIEValue::TExtras& TIEValue::Extras() {
  if (!FExtras) FExtras = std::make_unique<TExtras>();
  return *FExtras;
}

void TIEValue::Changed() {
  if (FExtras && FExtras->OnChange) FExtras->OnChange(*this);
}

bool TIEValue::OwnsObject() const {
  return FType == dtObject && FExtras && (FExtras->OwnsPlain || FExtras->Nexus);
}

// Releases the content: a counted payload loses its reference, an owned
// object is freed (a component already being destroyed is only dropped).
void TIEValue::ReleaseContent() {
  TIEType kind = FType;
  TPayload payload = FPayload;
  FType = dtNone;
  FPayload.Counted = nullptr;
  FText.clear();
  if (IsCountedKind(kind)) {
    if (payload.Counted) payload.Counted->Release();
  } else if (kind == dtObject && FExtras) {
    bool ownsPlain = std::exchange(FExtras->OwnsPlain, false);
    std::unique_ptr<TNexus> nexus = std::move(FExtras->Nexus);
    if (nexus) {
      auto* component = static_cast<TComponent*>(payload.Object);
      component->RemoveFreeNotification(nexus.get());
      nexus.reset();
      if (!component->Destroying()) delete component;
    } else if (ownsPlain) {
      delete payload.Object;
    }
  }
}

// The owned component is being destroyed elsewhere: forget it.
void TIEValue::DropOwned() {
  if (FExtras) {
    FExtras->OwnsPlain = false;
    FExtras->Nexus.reset();
  }
  FType = dtNone;
  FPayload.Counted = nullptr;
}

void TIEValue::Clear() { ReleaseContent(); }

void TIEValue::SetText(std::string_view text, TIEType kind) {
  std::string copy(text);  // `text` may view this value's own text
  ReleaseContent();
  FType = kind;
  FText = std::move(copy);
  Changed();
}

void TIEValue::SetNumber(int32_t v, TIEType kind) {
  ReleaseContent();
  FType = kind;
  FPayload.Int = v;
  Changed();
}

void TIEValue::SetAsFloat(double v) {
  ReleaseContent();
  FType = dtFloat;
  FPayload.Float = v;
  Changed();
}

void TIEValue::SetCounted(TCounted* object, TIEType kind) {
  if (object) object->AddRef();  // before Release: the new may be the old
  ReleaseContent();
  StoreCounted(object, kind);
  Changed();
}

void TIEValue::SetAsFunCall(IFunCallBase call) { SetCounted(call.Get(), dtFunCall); }
void TIEValue::SetAsFact(IFactBase fact) { SetCounted(fact.Get(), dtFact); }
void TIEValue::SetAsList(IValueVector list) { SetCounted(list.Get(), dtList); }
void TIEValue::SetAsFuzzy(IFuzzySetBase fuzzy) { SetCounted(fuzzy.Get(), dtFuzzy); }
void TIEValue::SetAsSingletons(ISingletonsVector s) { SetCounted(s.Get(), dtSingletons); }

void TIEValue::SetAsObject(TObject* object) {
  ReleaseContent();
  FType = dtObject;
  FPayload.Object = object;
  Changed();
}

void TIEValue::StoreOwned(TObject* object) {
  FType = dtObject;
  FPayload.Object = object;
  if (!object) return;
  if (auto* component = dynamic_cast<TComponent*>(object))
    Extras().Nexus = std::make_unique<TNexus>(*this, *component);
  else
    Extras().OwnsPlain = true;
}

void TIEValue::SetAsOwnedObject(TObject* object) {
  if (FType == dtObject && FPayload.Object == object && OwnsObject()) return;
  ReleaseContent();
  StoreOwned(object);
  Changed();
}

void TIEValue::SetAsClass(const TObjectClass* cls) {
  ReleaseContent();
  FType = dtClass;
  FPayload.Class = cls;
  Changed();
}

void TIEValue::NotA(const char* word) const {
  throw EIEException(FormatMessage(kNotAType, {word, AsText(), TypeName(FType)}));
}

std::string TIEValue::AsString() const {
  if (IsTextKind(FType)) return FText;
  switch (FType) {
    case dtInteger:
      return std::to_string(FPayload.Int);
    case dtFloat:
      return FormatFloat4(FPayload.Float);
    case dtFuzzy:
      return static_cast<TFuzzySetBase*>(FPayload.Counted)->AsText();
    default:
      NotA("string");
  }
}

int32_t TIEValue::AsInteger() const {
  if (IsIntegerKind(FType)) return FPayload.Int;
  switch (FType) {
    case dtFloat:
      return TruncToInt32(FPayload.Float);
    case dtAtom:
    case dtString: {
      int32_t i = 0;
      if (TryTextToInteger(FText, i)) return i;
      double d = 0;
      if (TryTextToFloat(FText, d)) return TruncToInt32(d);
      break;
    }
    case dtFuzzy:
      return RoundToInt32(static_cast<TFuzzySetBase*>(FPayload.Counted)->DefuzzifiedValue());
    default:
      break;
  }
  NotA("integer");
}

double TIEValue::AsNumeric() const {
  switch (FType) {
    case dtInteger:
    case dtFactId:
    case dtDescriptor:
      return double(FPayload.Int);
    case dtFloat:
      return FPayload.Float;
    case dtAtom:
    case dtString: {
      if (this == NilValue().Get()) return 0.0;
      double d = 0;
      if (TryTextToFloat(FText, d)) return d;
      break;
    }
    case dtFuzzy:
      return static_cast<TFuzzySetBase*>(FPayload.Counted)->DefuzzifiedValue();
    default:
      break;
  }
  NotA("numeric");
}

int32_t TIEValue::AsFactId() const {
  if (FType == dtInteger || FType == dtFactId) return FPayload.Int;
  if (FType == dtFloat) return TruncToInt32(FPayload.Float);
  NotA("fact id");
}

int32_t TIEValue::AsDescriptor() const {
  if (FType == dtDescriptor) return FPayload.Int;
  NotA("descriptor");
}

intptr_t TIEValue::AsExternalAddress() const {
  if (FType == dtExternalAddress) return FPayload.Int;
  if (FType == dtObject) return reinterpret_cast<intptr_t>(FPayload.Object);
  NotA("External Address");
}

TObject* TIEValue::AsObject() const {
  if (FType == dtObject) return FPayload.Object;
  NotA("object");
}

const TObjectClass* TIEValue::AsClass() const {
  if (FType == dtClass) return FPayload.Class;
  NotA("class");
}

template <class T>
Ref<T> TIEValue::CountedAs(TIEType kind, const char* word) const {
  if (FType != kind) NotA(word);
  return Ref<T>(static_cast<T*>(FPayload.Counted));
}

IFunCallBase TIEValue::AsFunCall() const { return CountedAs<TFunCallBase>(dtFunCall, "function call"); }
IFactBase TIEValue::AsFact() const { return CountedAs<TFactBase>(dtFact, "fact"); }
IValueVector TIEValue::AsList() const { return CountedAs<TValueVector>(dtList, "list"); }
TValueVector* TIEValue::ListPayload() const {
  return FType == dtList ? static_cast<TValueVector*>(FPayload.Counted) : nullptr;
}
IFuzzySetBase TIEValue::AsFuzzy() const { return CountedAs<TFuzzySetBase>(dtFuzzy, "fuzzy value"); }
ISingletonsVector TIEValue::AsSingletons() const {
  return CountedAs<TSingletonsVector>(dtSingletons, "singletons");
}

IIEValue MakeAtom(std::string_view text) { return MakeRef<TIEValue>(text, dtAtom); }
IIEValue MakeString(std::string_view text) { return MakeRef<TIEValue>(text, dtString); }
IIEValue MakeInteger(int32_t v) { return MakeRef<TIEValue>(v, dtInteger); }
IIEValue MakeFloat(double v) { return MakeRef<TIEValue>(v); }
IIEValue MakeList(IValueVector list) { return MakeRef<TIEValue>(std::move(list)); }

}  // namespace vettora
