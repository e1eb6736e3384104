#pragma once
// TIOStreams: the named text streams of one engine (capacity 11, load
// factor 0.75), from logical name to stream. It owns its streams: removing
// a name or emptying the table frees them.

#include <memory>
#include <string_view>

#include "reader/text_stream.h"
#include "values/object.h"
#include "values/string_hashtable.h"

namespace vettora {

class TInferenceEngine;

class TIOStreams : public TObject {
 public:
  explicit TIOStreams(TInferenceEngine* engine) : FEngine(engine) {}
  TIOStreams(const TIOStreams&) = delete;
  TIOStreams& operator=(const TIOStreams&) = delete;
  ~TIOStreams() { Clear(); }

  [[nodiscard]] int32_t Count() const { return FTable.Count(); }
  // Adds the stream under `name`, taking ownership. The same stream again
  // changes nothing; another stream of that name is replaced and freed
  // (dcOverwrite), kept while the new one is freed (dcIgnore) or refused
  // (dcError: "Duplicate streams defined with same name: \"%s\"").
  void Add(std::string_view name, std::unique_ptr<TGTextStream> stream);
  // "Invalid stream name: %s" when absent; otherwise frees the stream.
  void Remove(std::string_view name);
  // The stream, or null.
  [[nodiscard]] TGTextStream* Find(std::string_view name) const;
  void Clear();

 private:
  TInferenceEngine* FEngine;  // not owned
  TGStringHashtable<TGTextStream*> FTable{11, 0.75f};
};

}  // namespace vettora
