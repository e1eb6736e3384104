// The parser a new engine reads and prints rule-language text with.
#include "engine/engine_parser.h"
#include "language/vorlan_engine_parser.h"

namespace vettora {

std::unique_ptr<IEngineParser> CreateDefaultParser(TInferenceEngine& engine) {
  return std::make_unique<TVorlanEngineParser>(engine);
}

}  // namespace vettora
