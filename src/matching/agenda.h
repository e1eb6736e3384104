#pragma once
// The agenda: activations in the order they will fire, the front (index 0)
// first.
//
// TActivationAgenda is a list of entries, each an activation with the text
// it had when it was added (its rule's salience and name and its strength
// are captured then; the text itself is built only when read). Where a new
// activation goes is decided by InsertionIndex, which the plain agenda
// answers with -1 (append) so it keeps insertion order; TIEAgenda asks its
// engine, which orders by salience under its search strategy.
//
// The agenda owns its activations by default: deleting an entry frees its
// activation. An entry is always taken out of the list before its
// activation is freed, so code run by the activation's destructor sees a
// consistent agenda without it.
//
// Entries live in a TRankedSequence, and each activation maps to its entry,
// so finding, inserting and removing an activation all take O(log n).

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "matching/ranked_sequence.h"
#include "values/object.h"

namespace vettora {

class TActivation;

class TActivationAgenda : public TObject {
 public:
  TActivationAgenda();
  ~TActivationAgenda() override;
  TActivationAgenda(const TActivationAgenda&) = delete;
  TActivationAgenda& operator=(const TActivationAgenda&) = delete;

  [[nodiscard]] std::string ClassName() const override { return "TActivationAgenda"; }

  // Places the activation where InsertionIndex says (-1: at the end) and
  // answers its index. The agenda takes ownership when it owns objects.
  int32_t Add(TActivation* activation);
  // Where a new activation goes: -1 appends, any other value inserts before
  // that index.
  [[nodiscard]] virtual int32_t InsertionIndex(const TActivation& activation);

  [[nodiscard]] int32_t Count() const { return FEntries.Count(); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  [[nodiscard]] TActivation* Items(int32_t index) const;
  // The entry's text: "<salience> <rule name> : <facts> (<strength>)" as
  // they were when the entry was made.
  [[nodiscard]] std::string Strings(int32_t index) const;
  // The current salience of the rule of the entry's activation.
  [[nodiscard]] int32_t Salience(int32_t index) const;
  // The index of this very activation, or -1.
  [[nodiscard]] int32_t IndexOf(const TActivation* activation) const;

  // Replaces the activation of an entry, keeping its text.
  void SetActivation(int32_t index, TActivation* activation);
  // The same for any object: anything but an activation is refused with
  // "Invalid object, agenda can only accept TActivation objects", leaving
  // the agenda unchanged.
  void SetObject(int32_t index, TObject* object);

  // Removes the entry, freeing the activation when the agenda owns it.
  void Delete(int32_t index);
  // Removes the entry and hands its activation over without freeing it.
  [[nodiscard]] TActivation* Extract(int32_t index);
  // Removes every entry, freeing the activations when the agenda owns them.
  void Clear();
  // Clears, then copies the entries of `source` (the same activations, the
  // same texts, in the same order).
  void Assign(const TActivationAgenda& source);

  [[nodiscard]] bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool owns) { FOwnsObjects = owns; }

 private:
  struct TEntry {
    TActivation* Activation;
    int32_t Salience;
    float Strength;
    std::string RuleName;
  };
  using TSequence = TRankedSequence<TEntry>;

  static TEntry MakeEntry(TActivation* activation);
  [[nodiscard]] TSequence::TNode* NodeOf(const TActivation* activation) const;
  void Map(TSequence::TNode* node);
  void Unmap(TSequence::TNode* node);
  void Insert(int32_t index, TEntry entry);

  TSequence FEntries;
  // Activations filed here whose entry another agenda keeps in them.
  std::unordered_map<const TActivation*, TSequence::TNode*> FIndex;
  // Names this agenda in the entries it keeps in activations; unique over
  // all agendas and renewed by Clear.
  uint64_t FEpoch;
  bool FOwnsObjects = true;
};

// Switches an agenda's ownership off for its lifetime and restores the
// previous setting when it ends, also when an error unwinds through it.
class TAgendaOwnershipGuard {
 public:
  explicit TAgendaOwnershipGuard(TActivationAgenda& agenda)
      : FAgenda(agenda), FSaved(agenda.OwnsObjects()) {
    agenda.SetOwnsObjects(false);
  }
  ~TAgendaOwnershipGuard() { FAgenda.SetOwnsObjects(FSaved); }
  TAgendaOwnershipGuard(const TAgendaOwnershipGuard&) = delete;
  TAgendaOwnershipGuard& operator=(const TAgendaOwnershipGuard&) = delete;

 private:
  TActivationAgenda& FAgenda;
  bool FSaved;
};

// What the engine's agenda asks its engine.
class IAgendaEngine {
 public:
  virtual ~IAgendaEngine() = default;
  // Where an activation whose rule has this salience goes (-1: at the end).
  [[nodiscard]] virtual int32_t InsertionIndex(int32_t salience) = 0;
};

// The engine's agenda: ordered by the engine when it has one.
class TIEAgenda : public TActivationAgenda {
 public:
  explicit TIEAgenda(IAgendaEngine* engine = nullptr) : FEngine(engine) {}

  [[nodiscard]] std::string ClassName() const override { return "TIEAgenda"; }

  [[nodiscard]] IAgendaEngine* Engine() const { return FEngine; }

  // -1 when the agenda is empty or has no engine; otherwise the engine's
  // answer for the salience of the activation's rule.
  int32_t InsertionIndex(const TActivation& activation) override;

 private:
  IAgendaEngine* FEngine;  // not owned
};

}  // namespace vettora
