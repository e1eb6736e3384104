#pragma once
// TTextLine: one line of rule-language text, optionally carrying the fact
// it stands for (a host's list of fact lines keeps the fact object next to
// its text). TInferenceEngine::ExecuteLines takes a list of them.

#include <string>
#include <vector>

#include "knowledge/fact.h"

namespace vettora {

struct TTextLine {
  std::string Text;
  // When set, the line is read as a fact and asserted rather than executed.
  IFact Fact;
};

using TTextLines = std::vector<TTextLine>;

}  // namespace vettora
