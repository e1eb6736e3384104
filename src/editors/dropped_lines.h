#pragma once
// The lines the Rule Editor adds when a template is dropped on (or
// double-clicked into) the IF list, or a function on either list.

#include <string>

namespace vettora {

class TFactTemplate;

// A pattern matching the template: "(name (slot ?slotN) ... )" binding one
// fresh variable per slot ("$?slotN" for a multislot), all with the same
// number N, the lowest that makes every variable of the pattern new to
// `conditions` (the text of the IF list). With `slot` only that slot is in
// the pattern. An implied template gives "(name )". With `assign`, the
// fact is bound too: "?nameN <- (...)", or "?nameslotN" for one slot, as
// in "?offersalary1 <- (offer (salary ?salary1) )".
[[nodiscard]] std::string TemplatePattern(const TFactTemplate& factTemplate,
                                          const std::string& slot, bool assign,
                                          const std::string& conditions);

// "(name )": a call of the function, its arguments left to the user.
[[nodiscard]] std::string FunctionCallLine(const std::string& name);

}  // namespace vettora
