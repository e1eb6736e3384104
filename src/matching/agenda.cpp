// The agenda containers.
#include "matching/agenda.h"

#include <atomic>

#include "matching/activation.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// Agendas of engines on different threads must never share an epoch.
uint64_t NextEpoch() {
  static std::atomic<uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

TActivationAgenda::TActivationAgenda() : FEpoch(NextEpoch()) {}

TActivationAgenda::~TActivationAgenda() { Clear(); }

TActivationAgenda::TEntry TActivationAgenda::MakeEntry(TActivation* activation) {
  const TRule* rule = activation->Rule();
  return {activation, rule ? rule->Salience() : 0, activation->Strength(),
          rule ? rule->RuleName() : std::string()};
}

int32_t TActivationAgenda::InsertionIndex(const TActivation&) { return -1; }

int32_t TActivationAgenda::Add(TActivation* activation) {
  if (!activation) throw EIEException(kInvalidAgendaObject);
  int32_t index = InsertionIndex(*activation);
  if (index < 0 || index > Count()) index = Count();
  Insert(index, MakeEntry(activation));
  return index;
}

void TActivationAgenda::Insert(int32_t index, TEntry entry) {
  Map(FEntries.Insert(index, std::move(entry)));
}

TActivation* TActivationAgenda::Items(int32_t index) const {
  return FEntries.NodeAt(index)->Value().Activation;
}

std::string TActivationAgenda::Strings(int32_t index) const {
  const TEntry& entry = FEntries.NodeAt(index)->Value();
  std::string facts = entry.Activation->Token() ? entry.Activation->Token()->FactList() : "";
  return std::to_string(entry.Salience) + " " + entry.RuleName + " : " + facts + " (" +
         FormatFloat4(entry.Strength) + ")";
}

int32_t TActivationAgenda::Salience(int32_t index) const {
  const TRule* rule = Items(index)->Rule();
  return rule ? rule->Salience() : 0;
}

int32_t TActivationAgenda::IndexOf(const TActivation* activation) const {
  TSequence::TNode* node = NodeOf(activation);
  return node ? FEntries.IndexOf(node) : -1;
}

TActivationAgenda::TSequence::TNode* TActivationAgenda::NodeOf(
    const TActivation* activation) const {
  if (!activation) return nullptr;
  if (activation->FAgendaEpoch == FEpoch)
    return static_cast<TSequence::TNode*>(activation->FAgendaEntry);
  auto it = FIndex.find(activation);
  return it == FIndex.end() ? nullptr : it->second;
}

// An activation stands in one entry at a time; should it be stored twice,
// the index keeps the first entry made. The entry is kept in the
// activation itself unless another agenda already keeps its own there.
void TActivationAgenda::Map(TSequence::TNode* node) {
  TActivation* activation = node->Value().Activation;
  if (activation->FAgendaEpoch == FEpoch) return;
  if (activation->FAgendaEpoch == 0 && !FIndex.contains(activation)) {
    activation->FAgendaEpoch = FEpoch;
    activation->FAgendaEntry = node;
    return;
  }
  FIndex.try_emplace(activation, node);
}

void TActivationAgenda::Unmap(TSequence::TNode* node) {
  TActivation* activation = node->Value().Activation;
  if (activation->FAgendaEpoch == FEpoch) {
    if (activation->FAgendaEntry == node) {
      activation->FAgendaEpoch = 0;
      activation->FAgendaEntry = nullptr;
    }
    return;
  }
  auto it = FIndex.find(activation);
  if (it != FIndex.end() && it->second == node) FIndex.erase(it);
}

void TActivationAgenda::SetActivation(int32_t index, TActivation* activation) {
  if (!activation) throw EIEException(kInvalidAgendaObject);
  TSequence::TNode* node = FEntries.NodeAt(index);
  Unmap(node);
  node->Value().Activation = activation;
  Map(node);
}

void TActivationAgenda::SetObject(int32_t index, TObject* object) {
  auto* activation = dynamic_cast<TActivation*>(object);
  if (!activation) throw EIEException(kInvalidAgendaObject);
  SetActivation(index, activation);
}

void TActivationAgenda::Delete(int32_t index) {
  TSequence::TNode* node = FEntries.NodeAt(index);
  Unmap(node);
  TActivation* activation = FEntries.Erase(node).Activation;
  if (FOwnsObjects) delete activation;
}

TActivation* TActivationAgenda::Extract(int32_t index) {
  TActivation* activation = Items(index);
  TAgendaOwnershipGuard guard(*this);
  Delete(index);
  return activation;
}

// The activations are not touched (one an agenda does not own may be gone
// already): a new epoch makes the entries they keep stale instead.
void TActivationAgenda::Clear() {
  std::vector<TActivation*> owned;
  if (FOwnsObjects) {
    owned.reserve(size_t(Count()));
    for (auto* node = FEntries.First(); node; node = TSequence::Next(node))
      owned.push_back(node->Value().Activation);
  }
  FEpoch = NextEpoch();
  FIndex.clear();
  FEntries.Clear();
  for (TActivation* activation : owned) delete activation;
}

void TActivationAgenda::Assign(const TActivationAgenda& source) {
  if (&source == this) return;
  Clear();
  for (auto* node = source.FEntries.First(); node; node = TSequence::Next(node))
    Insert(Count(), node->Value());
}

// ---- TIEAgenda -----------------------------------------------------------------

int32_t TIEAgenda::InsertionIndex(const TActivation& activation) {
  if (Count() == 0 || !FEngine) return -1;
  const TRule* rule = activation.Rule();
  return FEngine->InsertionIndex(rule ? rule->Salience() : 0);
}

}  // namespace vettora
