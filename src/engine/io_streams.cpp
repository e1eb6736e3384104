// TIOStreams: an engine's named streams.
#include "engine/io_streams.h"

#include <vector>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

void TIOStreams::Add(std::string_view name, std::unique_ptr<TGTextStream> stream) {
  if (!stream) return;
  TGTextStream* old = Find(name);
  if (old == stream.get()) {
    (void)stream.release();
    return;
  }
  if (old) {
    switch (FEngine->DuplicateConstructs()) {
      case dcIgnore:
        return;
      case dcError:
        throw EIEException(FormatMessage(kDuplicateStreamName, {name}));
      case dcOverwrite:
        Remove(name);
        break;
    }
  }
  FTable.Put(name, stream.get());
  (void)stream.release();
}

void TIOStreams::Remove(std::string_view name) {
  TGTextStream* stream = Find(name);
  if (!stream) throw EIEException(FormatMessage(kInvalidStreamName, {name}));
  FTable.Remove(name);
  delete stream;
}

TGTextStream* TIOStreams::Find(std::string_view name) const {
  TGTextStream* const* found = FTable.Lookup(name);
  return found ? *found : nullptr;
}

void TIOStreams::Clear() {
  std::vector<TGTextStream*> all;
  for (const auto& entry : FTable) all.push_back(entry.Value);
  FTable.Clear();
  for (TGTextStream* stream : all) delete stream;
}

}  // namespace vettora
