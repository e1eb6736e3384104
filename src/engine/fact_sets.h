#pragma once
// TFactSets: the fact sets of one engine, in the order they were added
// (the order in which a reset asserts them). It refers to the sets; the
// components are owned by whoever made them (the engine for parsed sets,
// a host form for placed ones).

#include <cstdint>
#include <string>
#include <vector>

#include "values/object.h"

namespace vettora {

class TFactSet;
class TInferenceEngine;

class TFactSets : public TObject {
 public:
  explicit TFactSets(TInferenceEngine* engine) : FEngine(engine) {}
  TFactSets(const TFactSets&) = delete;
  TFactSets& operator=(const TFactSets&) = delete;

  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  [[nodiscard]] TFactSet* Items(int32_t index) const;
  [[nodiscard]] int32_t IndexOf(const TFactSet* factSet) const;
  // The first set of that FactSetName (compared exactly), or null.
  [[nodiscard]] TFactSet* Find(const std::string& name) const;

  // Appends the set and makes this engine its Engine. Another set of the
  // same name is taken out first (its Engine becomes none; one the engine
  // owns is freed, as nothing could reach it any more).
  void Add(TFactSet* factSet);
  // Takes the set out; its Engine becomes none.
  void Remove(TFactSet* factSet);
  // Takes every set out, freeing those the engine owns.
  void Clear();

  // The concatenated `deffacts` texts.
  [[nodiscard]] std::string Text() const;
  // The `deffacts` text of each set the engine owns, in order: the stored
  // list (sets owned by other components store themselves).
  [[nodiscard]] std::vector<std::string> OwnTexts() const;

  // Empties the collection, then adds for each source set a new set owned
  // by the engine and assigned from it.
  void Assign(const TFactSets& source);

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  void Release(TFactSet* factSet);

  TInferenceEngine* FEngine;  // not owned
  std::vector<TFactSet*> FItems;
};

}  // namespace vettora
