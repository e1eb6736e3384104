#pragma once
// TIEPattern: one conditional element of a rule's left-hand side -- a
// pattern on a fact template, or a `test` element (a pattern named "test"
// whose one test holds the call). It lists the template's slots in sorted
// order, each with its ordered slot tests and, for a multislot written in
// the pattern, the number of positions written (a multifield variable
// counting as one).
//
// A pattern is owned by its rule; it tells the rule of every change unless
// an update is in progress.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "knowledge/fact_template.h"
#include "matching/slot_test.h"

namespace vettora {

class IRuleEngine;
class TRule;

class TIEPattern {
 public:
  using TNotifyEvent = std::function<void(TIEPattern& sender)>;

  // One listed slot: its tests (owned, in order) and fixed length (-1 for
  // none).
  struct TPatternSlot {
    std::string Name;
    int32_t Length = -1;
    std::vector<std::unique_ptr<TIEPatternMatchTest>> Tests;
  };

  // A pattern on `factTemplate` (may be empty) named after it, listing
  // every slot of the template without tests.
  explicit TIEPattern(const IFactTemplate& factTemplate = nullptr);
  ~TIEPattern();
  TIEPattern(const TIEPattern&) = delete;
  TIEPattern& operator=(const TIEPattern&) = delete;

  [[nodiscard]] const std::string& Comment() const;
  void SetComment(std::string comment);
  [[nodiscard]] const IFactTemplate& FactTemplate() const { return FFactTemplate; }
  // The template name, or "test" for a test element.
  [[nodiscard]] const std::string& Name() const { return FName; }
  [[nodiscard]] bool IsTest() const;
  // Number of enclosing `not`s; the pattern is negated when it is odd.
  [[nodiscard]] int32_t NegatedCount() const { return FNegatedCount; }
  void SetNegatedCount(int32_t count);
  [[nodiscard]] bool Negated() const { return (FNegatedCount & 1) != 0; }
  // The fact variable the pattern is bound to, empty when none. A negated
  // test element refuses one ("Cannot bind a negated pattern to a
  // variable").
  [[nodiscard]] const std::string& BoundName() const { return FBoundName; }
  void SetBoundName(const std::string& name);
  [[nodiscard]] bool Unique() const { return FUnique; }
  void SetUnique(bool unique);
  [[nodiscard]] bool Explicit() const { return FExplicit; }
  void SetExplicit(bool value);
  [[nodiscard]] const TNotifyEvent& OnChange() const;
  void SetOnChange(TNotifyEvent handler);

  // The owning rule (not owned), or null.
  [[nodiscard]] TRule* Owner() const { return FOwner; }
  void SetOwner(TRule* owner) { FOwner = owner; }

  // ---- Slots and tests.
  [[nodiscard]] int32_t SlotCount() const { return int32_t(FSlots.size()); }
  [[nodiscard]] const TPatternSlot& Slots(int32_t i) const { return FSlots.at(size_t(i)); }
  [[nodiscard]] TPatternSlot& Slots(int32_t i) { return FSlots.at(size_t(i)); }
  // The index of the listed slot, or -1.
  [[nodiscard]] int32_t IndexOfSlot(const std::string& name) const;
  // Appends a test to the slot's list. The pattern needs a template ("Fact
  // Template is missing") that has the slot ("No such slot name: \"%s\"").
  TIEPatternMatchTest* AddTest(const std::string& slotName,
                               std::unique_ptr<TIEPatternMatchTest> test);
  // Shorthand: a test with a copy of `value`.
  TIEPatternMatchTest* AddTest(const std::string& slotName, const IIEValue& value,
                               TSlotTestType type = sttEquals, int32_t subIndex = -1,
                               bool conjunction = true);
  // Sets the number of positions written in a multislot (-1: none).
  void SetSlotLength(const std::string& slotName, int32_t length);
  // Replaces a slot's tests (used when disjunctions are compiled).
  void ReplaceTests(int32_t slot, std::vector<std::unique_ptr<TIEPatternMatchTest>> tests);
  [[nodiscard]] int32_t TestCount() const;
  // Tests joined to their predecessor by "|".
  [[nodiscard]] int32_t DisjunctionCount() const;

  // ---- Updates: changes inside a bracket are told to the rule once, at
  // the end.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Tells the owning rule and raises OnChange, unless an update is in
  // progress.
  void Changed();

  // A copy owned by no rule. `engine` given: the copy's template is the
  // engine's template of that name, created (FindOrCreateTemplate) and
  // assigned from this one when missing.
  [[nodiscard]] std::unique_ptr<TIEPattern> Clone() const;
  [[nodiscard]] std::unique_ptr<TIEPattern> CloneFor(IRuleEngine& engine) const;
  // The same pattern on another template (a goal pattern's sought pattern).
  [[nodiscard]] std::unique_ptr<TIEPattern> CloneOnTemplate(const IFactTemplate& t) const;

  // The pattern's rule-language text, from the engine's printer; empty
  // without an engine.
  [[nodiscard]] std::string Text() const;

 private:
  TPatternSlot& SlotFor(const std::string& name);
  void CopyContentTo(TIEPattern& target) const;

  // A comment and a handler, which few patterns have, kept out of line.
  struct TExtras {
    std::string Comment;
    TNotifyEvent OnChange;
  };
  TExtras& Extras();

  std::unique_ptr<TExtras> FExtras;
  IFactTemplate FFactTemplate;
  std::string FName;
  int32_t FNegatedCount = 0;
  std::string FBoundName;
  bool FUnique = false;
  bool FExplicit = false;
  TRule* FOwner = nullptr;
  std::vector<TPatternSlot> FSlots;
  int32_t FUpdateCount = 0;
  bool FChangedInUpdate = false;
};

}  // namespace vettora
