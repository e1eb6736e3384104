// TIEPattern: slots, tests, change notification and copies.
#include "matching/pattern.h"

#include <algorithm>

#include "knowledge/messages.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TIEPattern::TIEPattern(const IFactTemplate& factTemplate) : FFactTemplate(factTemplate) {
  if (!factTemplate) return;
  FName = factTemplate->Name();
  for (const std::string& name : factTemplate->SlotNames()) FSlots.push_back({name, -1, {}});
}

TIEPattern::~TIEPattern() = default;

bool TIEPattern::IsTest() const { return FName == kTestPatternName; }

void TIEPattern::SetNegatedCount(int32_t count) {
  FNegatedCount = count;
  Changed();
}

void TIEPattern::SetBoundName(const std::string& name) {
  if (!name.empty() && Negated() && IsTest()) throw EIEException(kBindNegatedPattern);
  FBoundName = name;
  Changed();
}

void TIEPattern::SetUnique(bool unique) {
  FUnique = unique;
  Changed();
}

void TIEPattern::SetExplicit(bool value) {
  FExplicit = value;
  Changed();
}

int32_t TIEPattern::IndexOfSlot(const std::string& name) const {
  for (size_t i = 0; i < FSlots.size(); ++i)
    if (FSlots[i].Name == name) return int32_t(i);
  return -1;
}

// The listed slot of that name, listed in sorted order when it was not.
TIEPattern::TPatternSlot& TIEPattern::SlotFor(const std::string& name) {
  if (!FFactTemplate) throw EIEException(kFactTemplateMissing);
  if (!FFactTemplate->HasSlot(name)) throw EIEException(FormatMessage(kNoSuchSlotName, {name}));
  int32_t at = IndexOfSlot(name);
  if (at >= 0) return FSlots[size_t(at)];
  auto it = std::find_if(FSlots.begin(), FSlots.end(),
                         [&](const TPatternSlot& s) { return SlotNameLess(name, s.Name); });
  return *FSlots.insert(it, TPatternSlot{name, -1, {}});
}

TIEPatternMatchTest* TIEPattern::AddTest(const std::string& slotName,
                                         std::unique_ptr<TIEPatternMatchTest> test) {
  TPatternSlot& slot = SlotFor(slotName);
  test->SetOwner(this);
  slot.Tests.push_back(std::move(test));
  Changed();
  return slot.Tests.back().get();
}

TIEPatternMatchTest* TIEPattern::AddTest(const std::string& slotName, const IIEValue& value,
                                         TSlotTestType type, int32_t subIndex, bool conjunction) {
  return AddTest(slotName,
                 std::make_unique<TIEPatternMatchTest>(value, type, subIndex, conjunction));
}

void TIEPattern::SetSlotLength(const std::string& slotName, int32_t length) {
  SlotFor(slotName).Length = length;
  Changed();
}

void TIEPattern::ReplaceTests(int32_t slot,
                              std::vector<std::unique_ptr<TIEPatternMatchTest>> tests) {
  for (auto& test : tests) test->SetOwner(this);
  FSlots.at(size_t(slot)).Tests = std::move(tests);
  Changed();
}

int32_t TIEPattern::TestCount() const {
  int32_t n = 0;
  for (const TPatternSlot& slot : FSlots) n += int32_t(slot.Tests.size());
  return n;
}

int32_t TIEPattern::DisjunctionCount() const {
  int32_t n = 0;
  for (const TPatternSlot& slot : FSlots)
    for (const auto& test : slot.Tests)
      if (!test->Conjunction()) ++n;
  return n;
}

void TIEPattern::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && FChangedInUpdate) {
    FChangedInUpdate = false;
    Changed();
  }
}

void TIEPattern::Changed() {
  if (FUpdateCount > 0) {
    FChangedInUpdate = true;
    return;
  }
  if (FOwner) FOwner->Changed();
  if (FExtras && FExtras->OnChange) FExtras->OnChange(*this);
}

TIEPattern::TExtras& TIEPattern::Extras() {
  if (!FExtras) FExtras = std::make_unique<TExtras>();
  return *FExtras;
}

const std::string& TIEPattern::Comment() const {
  static const std::string none;
  return FExtras ? FExtras->Comment : none;
}

void TIEPattern::SetComment(std::string comment) {
  if (FExtras || !comment.empty()) Extras().Comment = std::move(comment);
}

const TIEPattern::TNotifyEvent& TIEPattern::OnChange() const {
  static const TNotifyEvent none;
  return FExtras ? FExtras->OnChange : none;
}

void TIEPattern::SetOnChange(TNotifyEvent handler) {
  if (FExtras || handler) Extras().OnChange = std::move(handler);
}

void TIEPattern::CopyContentTo(TIEPattern& target) const {
  target.SetComment(Comment());
  target.FNegatedCount = FNegatedCount;
  target.FBoundName = FBoundName;
  target.FUnique = FUnique;
  target.FExplicit = FExplicit;
  target.FName = FName;
  for (const TPatternSlot& slot : FSlots) {
    int32_t at = target.IndexOfSlot(slot.Name);
    if (at < 0) {
      auto it =
          std::find_if(target.FSlots.begin(), target.FSlots.end(),
                       [&](const TPatternSlot& s) { return SlotNameLess(slot.Name, s.Name); });
      at = int32_t(target.FSlots.insert(it, TPatternSlot{slot.Name, -1, {}}) -
                   target.FSlots.begin());
    }
    TPatternSlot& copy = target.FSlots[size_t(at)];
    copy.Length = slot.Length;
    for (const auto& test : slot.Tests) {
      copy.Tests.push_back(test->Clone());
      copy.Tests.back()->SetOwner(&target);
    }
  }
}

std::unique_ptr<TIEPattern> TIEPattern::Clone() const {
  auto copy = std::make_unique<TIEPattern>(FFactTemplate);
  CopyContentTo(*copy);
  return copy;
}

std::unique_ptr<TIEPattern> TIEPattern::CloneFor(IRuleEngine& engine) const {
  IFactTemplate t;
  if (FFactTemplate) {
    t = engine.FindTemplate(FFactTemplate->Name());
    if (!t) {
      t = engine.FindOrCreateTemplate(FFactTemplate->Name());
      if (t != FFactTemplate) t->Assign(*FFactTemplate);
    }
  }
  auto copy = std::make_unique<TIEPattern>(t);
  CopyContentTo(*copy);
  return copy;
}

std::unique_ptr<TIEPattern> TIEPattern::CloneOnTemplate(const IFactTemplate& t) const {
  auto copy = std::make_unique<TIEPattern>(t);
  CopyContentTo(*copy);
  if (t) copy->FName = t->Name();
  return copy;
}

std::string TIEPattern::Text() const {
  IRuleEngine* engine = FOwner ? FOwner->Engine() : nullptr;
  return engine ? engine->PrintPattern(*this) : std::string();
}

}  // namespace vettora
