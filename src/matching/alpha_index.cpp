// TAlphaIndex: hashing alpha tests for sharing.
#include "matching/alpha_index.h"

#include <functional>
#include <string>

#include "matching/rule_engine.h"
#include "matching/value_hash.h"

namespace vettora {

// A hash equal for values that compare equal, or false when the value's
// equality is not decided by such a hash; calls hash by name and arguments.
bool TAlphaIndex::ValueHash(const IIEValue& value, size_t& hash) const {
  if (value && value->DType() == dtFunCall) return CallHash(*value->AsFunCall(), hash);
  return PlainValueHash(value.Get(), hash);
}

// Calls are equal when their names are and their arguments are, one by one.
bool TAlphaIndex::CallHash(const TFunCallBase& call, size_t& hash) const {
  if (!FEngine) return false;
  int32_t count = FEngine->CallArgumentCount(call);
  hash = MixHash(MixHash(dtFunCall, std::hash<std::string>()(FEngine->FunctionCallName(call))),
                 size_t(count));
  for (int32_t i = 0; i < count; ++i) {
    size_t argument = 0;
    if (!ValueHash(FEngine->CallArgument(call, i), argument)) return false;
    hash = MixHash(hash, argument);
  }
  return true;
}

bool TAlphaIndex::KeyOf(const TReteNode* previous, TPatternMatchTest test, const IIEValue& value,
                        const TNodeArgsArray& args, size_t& key) const {
  size_t hash = 0;
  if (!ValueHash(value, hash)) return false;
  key = MixHash(std::hash<const void*>()(previous), size_t(test));
  key = MixHash(key, hash);
  for (const TNodeArg& arg : args)
    key = MixHash(key, std::holds_alternative<std::string>(arg)
                           ? std::hash<std::string>()(std::get<std::string>(arg))
                           : std::hash<int64_t>()(std::get<int32_t>(arg)) + 1);
  return true;
}

TPatternMatchNode* TAlphaIndex::Find(const TReteNode* previous, TPatternMatchTest test,
                                     const IIEValue& value, const TNodeArgsArray& args,
                                     bool& searchChildren) const {
  size_t key = 0;
  searchChildren =
      FUnindexedChildren.count(previous) > 0 || !KeyOf(previous, test, value, args, key);
  if (searchChildren) return nullptr;
  auto [first, last] = FByKey.equal_range(key);
  for (auto it = first; it != last; ++it) {
    auto filed = FFiled.find(it->second);
    if (filed->second.Previous == previous && it->second->SameAs(test, value, args))
      return it->second;
  }
  return nullptr;
}

void TAlphaIndex::Add(const TReteNode* previous, TPatternMatchNode* node) {
  TFiled filed{previous, 0, false};
  filed.Indexed = KeyOf(previous, node->PatternMatchTest(), node->Value(), node->Args(), filed.Key);
  if (filed.Indexed)
    FByKey.emplace(filed.Key, node);
  else
    ++FUnindexedChildren[previous];
  FFiled[node] = filed;
}

void TAlphaIndex::Remove(TPatternMatchNode* node) {
  auto filed = FFiled.find(node);
  if (filed == FFiled.end()) return;
  if (filed->second.Indexed) {
    auto [first, last] = FByKey.equal_range(filed->second.Key);
    for (auto it = first; it != last; ++it)
      if (it->second == node) {
        FByKey.erase(it);
        break;
      }
  } else if (--FUnindexedChildren[filed->second.Previous] == 0) {
    FUnindexedChildren.erase(filed->second.Previous);
  }
  FFiled.erase(filed);
}

void TAlphaIndex::Clear() {
  FByKey.clear();
  FUnindexedChildren.clear();
  FFiled.clear();
}

}  // namespace vettora
