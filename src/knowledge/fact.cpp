// TFact: slot values by name and by position, checks and conversions on
// storing, copying between facts and engines.
#include "knowledge/fact.h"

#include <charconv>

#include "fuzzy/fuzzy_expression.h"
#include "knowledge/construct_name.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact_engine.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"
#include "values/recycler.h"
#include "values/value_vector.h"

namespace vettora {

void* TFact::operator new(size_t size) { return TRecycler<TFact>::Allocate(size); }

void TFact::operator delete(void* memory, size_t size) noexcept {
  TRecycler<TFact>::Free(memory, size);
}

TFact::TFact(IFactTemplate factTemplate) : FTemplate(std::move(factTemplate)) {
  if (!FTemplate) return;
  FLayout = FTemplate->Layout();
  FValues.resize(size_t(FLayout->Count()));
  FMade.resize(FValues.size());
}

TFact::TFact(const TFact& source) : TFact(source.FTemplate) { Assign(source); }

TFact::~TFact() = default;

// ---- Layout ---------------------------------------------------------------

void TFact::Sync() const {
  if (!FTemplate) return;
  const ISlotLayout& current = FTemplate->Layout();
  if (current == FLayout) return;
  std::vector<IIEValue> values(size_t(current->Count()));
  std::vector<uint32_t> made(values.size());
  for (int32_t i = 0; FLayout && i < FLayout->Count(); ++i) {
    if (!FValues[size_t(i)]) continue;
    int32_t to = FTemplate->SlotIndex(FLayout->Name(i));
    if (to < 0) continue;
    values[size_t(to)] = std::move(FValues[size_t(i)]);
    made[size_t(to)] = FMade[size_t(i)];
  }
  FValues = std::move(values);
  FMade = std::move(made);
  FLayout = current;
}

int32_t TFact::PositionOf(std::string_view name) const {
  if (!FTemplate) throw EIEException(kFactTemplateMissing);
  Sync();
  return FTemplate->SlotIndex(name);
}

void TFact::StoreAt(int32_t position, IIEValue value) {
  if (!value) value = MakeRef<TIEValue>();
  auto at = size_t(position);
  if (!FValues[at]) FMade[at] = ++FMadeCounter;
  FValues[at] = std::move(value);
}

void TFact::StoreValue(std::string_view name, IIEValue value) {
  int32_t position = PositionOf(name);
  if (position < 0) throw EIEException(FormatMessage(kNoSuchSlotName, {name}));
  StoreAt(position, std::move(value));
}

// ---- Values by name and position ------------------------------------------

IIEValue TFact::GetSlotValue(std::string_view name) {
  IIEValue value;
  if (!FindSlotValue(name, value)) throw EIEException(FormatMessage(kNoSuchSlotName, {name}));
  return value;
}

bool TFact::FindSlotValue(std::string_view name, IIEValue& value) {
  int32_t position = PositionOf(name);
  if (position < 0) return false;
  if (!FValues[size_t(position)])
    StoreAt(position, CopySlotValue(FLayout->Slot(position)->SlotDefault()));
  value = FValues[size_t(position)];
  return true;
}

void TFact::SetSlotValue(std::string_view name, IIEValue value) {
  int32_t position = PositionOf(name);
  if (position < 0) throw EIEException(FormatMessage(kNoSuchSlotName, {name}));
  StoreAt(position, CheckedValue(*FLayout->Slot(position), std::move(value)));
}

const IIEValue& TFact::ValueAtSlow(int32_t position) const {
  static const IIEValue kNone;
  if (!FTemplate) return kNone;
  Sync();
  if (position < 0 || position >= FLayout->Count())
    throw EListError(FormatMessage(kListIndexError, {position}));
  const IIEValue& value = FValues[size_t(position)];
  return value ? value : FLayout->Slot(position)->SlotDefault();
}

void TFact::SetValueAt(int32_t position, IIEValue value) {
  if (!FTemplate) throw EIEException(kFactTemplateMissing);
  Sync();
  if (position < 0 || position >= FLayout->Count())
    throw EListError(FormatMessage(kListIndexError, {position}));
  StoreAt(position, CheckedValue(*FLayout->Slot(position), std::move(value)));
}

void TFact::StoreValueAt(int32_t position, IIEValue value) {
  if (!FTemplate) throw EIEException(kFactTemplateMissing);
  Sync();
  if (position < 0 || position >= FLayout->Count())
    throw EListError(FormatMessage(kListIndexError, {position}));
  StoreAt(position, std::move(value));
}

// Under dynamic checks, the value as the slot can hold it: converted where
// a conversion applies, refused with the slot's type error otherwise. A
// value the type error finds nothing to say about (a variable, a call) is
// stored as it is.
IIEValue TFact::CheckedValue(const TFactSlot& slot, IIEValue value) const {
  IFactEngine* engine = FTemplate->Engine();
  if (!engine || !engine->TypeChecks().Contains(tcDynamic) || slot.Admits(value)) return value;
  TIEType kind = value->DType();
  IIEValue converted;
  if (kind == dtInteger && slot.SlotType().Contains(dtFloat)) {
    converted = MakeFloat(double(value->AsInteger()));
  } else if ((kind == dtAtom || kind == dtString) && slot.IsFuzzy()) {
    const IIEDefinedType& type = slot.ExtendedTypeInfo();
    TIFuzzyVariable* variable = type ? type->FuzzyVariable().Get() : nullptr;
    converted = ResolveFuzzyValue(variable, value, nullptr);
  }
  if (converted && slot.Admits(converted)) return converted;
  std::string message = slot.TypeError(value);
  if (message.empty()) return value;
  throw EIEException(message);
}

// ---- Whole-fact operations --------------------------------------------------

void TFact::AssignValues(const TFact& other) {
  if (!FTemplate) throw EIEException(kFactTemplateMissing);
  if (FTemplate != other.FTemplate) {
    std::string theirs = other.FTemplate ? other.FTemplate->Name() : "";
    throw EIEException(FormatMessage(kFactTemplatesDifferent, {FTemplate->Name(), theirs}));
  }
  if (&other == this) return;
  Sync();
  other.Sync();
  for (size_t i = 0; i < FValues.size(); ++i) {
    FValues[i] = CopySlotValue(other.FValues[i]);
    FMade[i] = other.FMade[i];
  }
  FMadeCounter = other.FMadeCounter;
}

void TFact::SetTemplate(const IFactTemplate& factTemplate) {
  Sync();
  if (!factTemplate) {
    FTemplate = nullptr;
    FLayout = nullptr;
    FValues.clear();
    FMade.clear();
    return;
  }
  // Re-mapping by name is exactly what Sync does for a changed layout.
  FTemplate = factTemplate;
  Sync();
  for (int32_t i = 0; i < FLayout->Count(); ++i)
    if (!FValues[size_t(i)]) StoreAt(i, CopySlotValue(FLayout->Slot(i)->SlotDefault()));
}

void TFact::Assign(const TFact& source) {
  if (&source == this) return;
  IFactEngine* mine = FTemplate ? FTemplate->Engine() : nullptr;
  IFactEngine* theirs = source.FTemplate ? source.FTemplate->Engine() : nullptr;
  if (mine && mine != theirs && source.FTemplate && source.FTemplate != FTemplate) {
    AssignFromOtherEngine(source, *mine);
  } else {
    source.Sync();
    FTemplate = source.FTemplate;
    FLayout = source.FLayout;
    FValues.resize(source.FValues.size());
    for (size_t i = 0; i < FValues.size(); ++i) FValues[i] = CopySlotValue(source.FValues[i]);
    FMade = source.FMade;
    FMadeCounter = source.FMadeCounter;
  }
  FID = source.FID;
  FTag = source.FTag;
}

// The source's template is brought over by name, then the fact is read
// back from its text, so that every value is rebuilt in this engine.
void TFact::AssignFromOtherEngine(const TFact& source, IFactEngine& engine) {
  const TFactTemplate& sourceTemplate = *source.FTemplate;
  IFactTemplate own = engine.FindTemplate(sourceTemplate.Name());
  if (!own) {
    own = engine.FindOrCreateTemplate(sourceTemplate.Name());
    own->Assign(sourceTemplate);
  }
  IFact parsed = engine.ParseFact(source.Text());
  parsed->Sync();
  FTemplate = parsed->FTemplate;
  FLayout = parsed->FLayout;
  FValues = std::move(parsed->FValues);
  FMade = std::move(parsed->FMade);
  FMadeCounter = parsed->FMadeCounter;
}

IFact TFact::Clone() const {
  IFact copy = MakeRef<TFact>(FTemplate);
  copy->Assign(*this);
  return copy;
}

// Every member copied as it is: no default layout or value table is made
// first only to be replaced.
TFact::TFact(const TFact& source, TShareValues)
    : FTemplate(source.FTemplate),
      FLayout(source.FLayout),
      FValues(source.FValues),
      FMade(source.FMade),
      FMadeCounter(source.FMadeCounter),
      FID(source.FID),
      FTag(source.FTag) {}

IFact TFact::CloneSharingValues() const {
  Sync();
  return MakeRef<TFact>(*this, TShareValues{});
}

// ---- Identity ---------------------------------------------------------------

bool TFact::Equals(const TFactBase& other) const {
  auto* fact = dynamic_cast<const TFact*>(&other);
  return fact && Equals(*fact);
}

bool TFact::Equals(const TFact& other) const {
  if (&other == this) return true;
  if (!FTemplate || FTemplate != other.FTemplate) return false;
  Sync();
  other.Sync();
  for (int32_t i = 0; i < FLayout->Count(); ++i) {
    if (FLayout->Slot(i)->IsFuzzy()) continue;
    const IIEValue& mine = ValueAt(i);
    const IIEValue& theirs = other.ValueAt(i);
    if (mine.Get() == theirs.Get()) continue;
    if (!mine || !theirs || !mine->Equals(theirs)) return false;
  }
  return true;
}

namespace {

// StringHash continued over the value's printed form, without building the
// text for the common kinds whose form is their own text or a number, nor
// for a multifield, whose form is each element's followed by a space.
uint32_t AppendValueText(uint32_t h, const TIEValue& value) {
  switch (value.DType()) {
    case dtList:
      for (const IIEValue& item : *value.ListPayload()) {
        if (item) h = AppendValueText(h, *item);
        h = h * 31u + uint32_t(' ');
      }
      return h;
    case dtAtom:
    case dtSlot:
    case dtMultiSlot:
      return StringHashAppend(h, value.Text());
    case dtInteger: {
      char digits[16];
      auto [end, error] = std::to_chars(digits, digits + sizeof digits, value.AsInteger());
      return StringHashAppend(h, std::string_view(digits, size_t(end - digits)));
    }
    default:
      return StringHashAppend(h, value.AsText());
  }
}

}  // namespace

uint32_t TFact::ValuesHash(bool skipFuzzy) const {
  uint32_t h = 0;
  if (!FTemplate) return h;
  Sync();
  for (int32_t i = 0; i < FLayout->Count(); ++i) {
    if (skipFuzzy && FLayout->Slot(i)->IsFuzzy()) continue;
    const IIEValue& value = ValueAt(i);
    if (value) h = AppendValueText(h, *value);
  }
  return h;
}

uint32_t TFact::HashCode() const {
  uint32_t base = FTemplate ? FTemplate->HashCode() : 0;
  return base * 31u + ValuesHash(false);
}

uint32_t TFact::NonFuzzyHashCode() const {
  uint32_t base = FTemplate ? FTemplate->HashCode() : 0;
  return base * 31u + ValuesHash(true);
}

}  // namespace vettora
