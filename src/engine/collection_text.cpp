// Helpers for the collections' texts, stored lists and tree views.
#include "engine/collection_text.h"

#include "engine/inference_engine.h"
#include "values/custom_hashtable.h"
#include "values/format.h"

namespace vettora {

void TakeTableSettings(TGCustomHashtable& table, const TGCustomHashtable& source) {
  table.SetLoadFactor(source.LoadFactor());
  if (source.Capacity() > 0) table.SetCapacity(source.Capacity());
  if (table.IsEmpty()) table.SetHashType(source.HashType());
}

std::string GlobalDefinitionText(TInferenceEngine& engine, const std::string& name,
                                 const IIEValue& value) {
  return engine.Parser().PrintGlobal(name, value);
}

std::vector<std::string> TrimmedLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    size_t first = start, last = end;
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    lines.push_back(text.substr(first, last - first));
    if (end == text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

}  // namespace vettora
