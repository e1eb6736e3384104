#pragma once
// The free-standing printer of template slots and templates: the
// rule-language text of a slot or template that belongs to no engine. An
// engine's own printer writes the same forms.

#include <functional>
#include <string>

#include "values/value.h"

namespace vettora {

class TFactSlot;
class TFactTemplate;

// Writes a default value; the value's own AsText when none is given. The
// engine's printer passes one that writes fuzzy values in the form the
// parser reads back.
using TValueTextFunction = std::function<std::string(const IIEValue& value)>;

// "(slot name (default value) )", "(multislot name (type INTEGER) ...)".
[[nodiscard]] std::string PrintTemplateSlot(const TFactSlot& slot,
                                            const TValueTextFunction& valueText = {});
// "(deftemplate name \"comment\"" + CR LF + each slot on its own line + ")";
// the comment is written as a string constant (quotes and backslashes
// escaped), so that it reads back unchanged.
[[nodiscard]] std::string PrintFactTemplate(const TFactTemplate& factTemplate,
                                            const TValueTextFunction& valueText = {});

// The type words of the kinds in `types`, in kind order, separated by
// blanks: "ATOM STRING INTEGER FACTID FLOAT FACT DESCRIPTOR OBJECT CLASS
// EXTERNALADDRESS FUZZY". Kinds without a type word of the language
// (none, variables, calls, lists, slots, singletons) are left out.
[[nodiscard]] std::string TypeWords(TIETypes types);

// "ATOM, STRING, ...": every kind of the set in ordinal order, upper case,
// without its "dt" prefix, as messages about slot types name them.
[[nodiscard]] std::string KindList(TIETypes types);

}  // namespace vettora
