// TFact: the printed forms and the value-table enumeration.
#include <algorithm>
#include <numeric>

#include "knowledge/fact.h"
#include "knowledge/fact_engine.h"
#include "values/exceptions.h"
#include "values/messages.h"
#include "values/string_hashtable.h"

namespace vettora {

namespace {

// The ID as a decimal field of minimum width and precision `digits`, as
// printf's "%*.*d" writes it: zeros pad the digits, a sign comes first.
std::string PaddedId(int32_t id, size_t digits) {
  int64_t magnitude = id < 0 ? -int64_t(id) : int64_t(id);
  std::string text = std::to_string(magnitude);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return id < 0 ? "-" + text : text;
}

// A value table starts with 11 buckets, like every fact's did.
constexpr uint32_t kValueTableCapacity = 11;
constexpr float kValueTableLoadFactor = 0.75f;

}  // namespace

std::string TFact::Text() const {
  std::string text = "(";
  if (!FTemplate) {
    for (const IIEValue& value : FValues) text += (value ? value->AsText() : "") + " ";
    return text + ")";
  }
  Sync();
  text += FTemplate->Name();
  if (FTemplate->IsImplied()) {
    int32_t data = FTemplate->SlotIndex(kImpliedSlotName);
    const IIEValue& value = ValueAt(data);
    std::string body = value ? value->AsText() : "";
    if (!body.empty()) text += " " + body;
    return text + ")";
  }
  for (int32_t i = 0; i < FLayout->Count(); ++i) {
    const IIEValue& value = ValueAt(i);
    std::string body = value ? value->AsText() : "";
    if (!body.empty()) text += " (" + FLayout->Name(i) + " " + body + ")";
  }
  return text + ")";
}

std::string TFact::IdText() const {
  IFactEngine* engine = FTemplate ? FTemplate->Engine() : nullptr;
  std::string id = std::to_string(FID);
  if (engine) id = PaddedId(FID, std::to_string(engine->NextFactId()).size());
  return "f-" + id + " " + Text();
}

std::pair<std::string, IIEValue> TFact::TValueEnumerator::NextElement() {
  if (FNext >= FEntries.size()) throw EGHashtableError(kHashNoSuchElement);
  return FEntries[FNext++];
}

// The entries are filed into a value table in the order they were made, so
// the walk sees the buckets and chains that table would have.
TFact::TValueEnumerator TFact::Values() const {
  TValueEnumerator result;
  if (!FTemplate) return result;
  Sync();
  std::vector<int32_t> present;
  for (int32_t i = 0; i < int32_t(FValues.size()); ++i)
    if (FValues[size_t(i)]) present.push_back(i);
  std::sort(present.begin(), present.end(),
            [this](int32_t a, int32_t b) { return FMade[size_t(a)] < FMade[size_t(b)]; });
  TGStringHashtable<int32_t> table(kValueTableCapacity, kValueTableLoadFactor);
  for (int32_t i : present) table.Put(FLayout->Name(i), i);
  for (const auto& entry : table)
    result.FEntries.emplace_back(entry.Key, FValues[size_t(entry.Value)]);
  return result;
}

}  // namespace vettora
