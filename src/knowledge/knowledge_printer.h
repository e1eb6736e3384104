#pragma once
// The free-standing printer of template slots and templates: the
// rule-language text of a slot or template that belongs to no engine. An
// engine's own printer writes the same forms.

#include <string>

namespace vettora {

class TFactSlot;
class TFactTemplate;

// "(slot name (default value) )", "(multislot name (type INTEGER) ...)".
[[nodiscard]] std::string PrintTemplateSlot(const TFactSlot& slot);
// "(deftemplate name \"comment\"" + CR LF + each slot on its own line + ")".
[[nodiscard]] std::string PrintFactTemplate(const TFactTemplate& factTemplate);

}  // namespace vettora
