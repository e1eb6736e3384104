#pragma once
// KnowledgeBaseText: an engine's whole knowledge base as rule-language text
// that SetText reads back -- a comment header with the counts, the
// fact-duplication setting, then one section per non-empty part (globals,
// defined types, templates, deffunctions, rules, fact sets, facts). Every
// line ends with CR LF.

#include <ctime>
#include <string>

namespace vettora {

class TInferenceEngine;

// `created` is the time written in the "; Created: " line.
[[nodiscard]] std::string KnowledgeBaseText(TInferenceEngine& engine, std::time_t created);

// The time in the platform's short date and time form ("%x %X").
[[nodiscard]] std::string ShortDateTimeText(std::time_t time);

}  // namespace vettora
