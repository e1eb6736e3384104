#pragma once
// The Fact Editor's work on its engine: reading the one fact of an edited
// text, and rewriting the fact list in a given order.

#include <string>
#include <vector>

#include "knowledge/fact.h"

namespace vettora {

class TFactList;
class TInferenceEngine;

// Parses the one fact of `text` in the engine (slot values are checked
// against their slots, not evaluated). Anything but blanks and comments
// after the fact is refused with kFactEditorOneFactOnly, on the line where
// it starts. A parse that fails leaves no template behind: the implied
// templates it made are removed again; with `keepNewTemplates` false they
// are removed after a successful parse too (a fact read only to be shown).
[[nodiscard]] IFact ParseOneFact(TInferenceEngine& engine, const std::string& text,
                                 bool keepNewTemplates);

// The facts of the list, in list order.
[[nodiscard]] std::vector<IFact> ListedFacts(const TFactList& list);

// Makes the list hold exactly `facts`, in that order. The list keeps its
// facts in ID order, so they are numbered 0, 1, ... as they are filed; the
// next-ID counter then continues after the last. Nothing is asserted: no
// events, no network.
void SetListedFacts(TFactList& list, const std::vector<IFact>& facts);

// The facts of `before` whose template is still the engine's template of
// that name, in the order of `before`. Replacing a template re-asserts its
// facts at the end of the list (dropping duplicates) and removing one
// retracts them: this is the list as it was, less what no longer fits.
[[nodiscard]] std::vector<IFact> FactsWithCurrentTemplates(const TInferenceEngine& engine,
                                                           const std::vector<IFact>& before);

}  // namespace vettora
