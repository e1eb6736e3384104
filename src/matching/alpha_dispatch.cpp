// TAlphaDispatch: choosing the slot, filing the children, merging targets.
#include "matching/alpha_dispatch.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <variant>

#include "matching/pattern_match_node.h"
#include "matching/value_hash.h"

namespace vettora {

namespace {

// What a child tests: a slot, or one element of a multislot (-1: the whole
// slot).
using TPlace = std::pair<std::string, int32_t>;

// Whether a child tests one place for equality with a hashable constant.
bool FiledPlace(const TReteEdge& edge, TPlace& place, size_t& hash) {
  if (edge.CallType() != ctSingle) return false;
  auto* child = dynamic_cast<const TPatternMatchNode*>(edge.ToNode());
  if (!child) return false;
  TPatternMatchTest test = child->PatternMatchTest();
  if (test != pmtTestEqual && test != pmtTestMultiSlotEqual) return false;
  const IIEValue& value = child->Value();
  if (!value || !PlainValueHash(value.Get(), hash)) return false;
  const TNodeArgsArray& args = child->Args();
  const std::string* slot = args.empty() ? nullptr : std::get_if<std::string>(&args[0]);
  if (!slot) return false;
  const int32_t* index = args.size() > 1 ? std::get_if<int32_t>(&args[1]) : nullptr;
  place = {*slot, test == pmtTestEqual || !index ? -1 : *index};
  return test == pmtTestEqual || place.second >= 0;
}

}  // namespace

std::unique_ptr<TAlphaDispatch> TAlphaDispatch::Build(const TReteNode& node) {
  std::map<TPlace, int32_t> perPlace;
  TPlace place;
  size_t hash = 0;
  for (int32_t i = 0; i < node.OutDegree(); ++i)
    if (FiledPlace(*static_cast<TReteEdge*>(node.Edges(i)), place, hash)) ++perPlace[place];
  auto best = std::max_element(perPlace.begin(), perPlace.end(),
                               [](const auto& a, const auto& b) { return a.second < b.second; });
  if (best == perPlace.end() || best->second < kMinimumFiled) return nullptr;
  auto table = std::make_unique<TAlphaDispatch>();
  table->FSlot = TSlotRef(best->first.first);
  table->FIndex = best->first.second;
  for (int32_t i = 0; i < node.OutDegree(); ++i) {
    bool filed = FiledPlace(*static_cast<TReteEdge*>(node.Edges(i)), place, hash);
    if (filed && place == best->first)
      table->FFiled[hash].push_back(i);
    else
      table->FOthers.push_back(i);
  }
  return table;
}

bool TAlphaDispatch::Targets(const TFact& fact, TTargets& targets) const {
  size_t hash = 0;
  const TIEValue* value = ElementOf(FSlot.ValueIn(fact), FIndex);
  // Without the slot or the element no filed child can pass.
  if (value && !PlainValueHash(value, hash)) return false;
  targets = {nullptr, nullptr, FOthers.data(), FOthers.data() + FOthers.size()};
  if (!value) return true;
  auto found = FFiled.find(hash);
  if (found != FFiled.end()) {
    targets.Filed = found->second.data();
    targets.FiledEnd = targets.Filed + found->second.size();
  }
  return true;
}

}  // namespace vettora
