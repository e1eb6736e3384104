// TIEPrinter: facts, fact sets, templates, function calls, deffunctions
// and global variables. Rules are in printer_rules.cpp, defined types in
// printer_types.cpp, the fuzzy forms in printer_fuzzy.cpp.
#include "language/printer.h"

#include "engine/fact_set.h"
#include "functions/function_call.h"
#include "functions/interpreted_function.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/fact.h"
#include "knowledge/knowledge_printer.h"
#include "knowledge/messages.h"
#include "language/printer_layout.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_hash_table.h"

namespace vettora {

using namespace printer_layout;

// ---- Values -----------------------------------------------------------------------

// A fuzzy value's own printed form, "(name (x y) ... )", does not read back
// as a fuzzy value; FuzzyValueText writes one that does.
std::string TIEPrinter::ValueText(const IIEValue& value) const {
  if (!value) return "";
  if (value->DType() == dtFuzzy)
    if (const TIFuzzySet* set = FuzzySetOf(*value)) return FuzzyValueText(*set);
  return value->AsText();
}

// ---- Facts ------------------------------------------------------------------------

std::string TIEPrinter::PrintFact(const TFact& fact) const {
  const IFactTemplate& factTemplate = fact.Template();
  if (!factTemplate) return fact.Text();  // "(" + each value + " " + ")"
  std::string text = "(" + factTemplate->Name();
  const std::vector<std::string>& names = factTemplate->SlotNames();
  for (int32_t i = 0; i < int32_t(names.size()); ++i) {
    std::string slot = PrintFactSlotValue(fact, names[size_t(i)], fact.ValueAt(i));
    if (!slot.empty()) text += " " + slot;
  }
  return text + ")";
}

std::string TIEPrinter::PrintFactSlot(const TFact& fact, const std::string& slotName) const {
  const IFactTemplate& factTemplate = fact.Template();
  if (!factTemplate) throw EIEException(kFactTemplateMissing);
  int32_t position = factTemplate->SlotIndex(slotName);
  if (position < 0) throw EIEException(FormatMessage(kNoSuchSlotName, {slotName}));
  return PrintFactSlotValue(fact, slotName, fact.ValueAt(position));
}

std::string TIEPrinter::PrintFactSlotValue(const TFact& fact, const std::string& slotName,
                                           const IIEValue& value) const {
  return PrintFactSlotText(fact, slotName, ValueText(value));
}

std::string TIEPrinter::PrintFactSlotText(const TFact& fact, const std::string& slotName,
                                          const std::string& text) const {
  if (text.empty()) return "";
  const IFactTemplate& factTemplate = fact.Template();
  if (factTemplate && factTemplate->IsImplied() && slotName == kImpliedSlotName) return text;
  return "(" + slotName + " " + text + ")";
}

std::string TIEPrinter::PrintFactSet(const TFactSet& factSet) const {
  std::string text = "(deffacts " + factSet.FactSetName();
  if (!factSet.Comment().empty()) text += " " + Quoted(factSet.Comment());
  text += kCrLf;
  const TFactSetFacts& facts = factSet.Facts();
  for (int32_t i = 0; i < facts.Count(); ++i) {
    const IFact& fact = facts.Facts(i);
    // A line that has not been parsed (yet) prints as it was written.
    text += kIndent + Indented(fact ? PrintFact(*fact) : facts.Strings(i)) + kCrLf;
  }
  return text + ")";
}

// ---- Templates --------------------------------------------------------------------

std::string TIEPrinter::PrintTemplateSlot(const TFactSlot& slot) const {
  return vettora::PrintTemplateSlot(slot, [this](const IIEValue& v) { return ValueText(v); });
}

std::string TIEPrinter::PrintFactTemplate(const TFactTemplate& factTemplate) const {
  return vettora::PrintFactTemplate(factTemplate,
                                    [this](const IIEValue& v) { return ValueText(v); });
}

// ---- Function calls and functions -------------------------------------------------

std::string TIEPrinter::PrintFunCall(const TFunctionCall& call) const { return FunCallText(call); }

std::string TIEPrinter::PrintFunction(const TIEUserFunction& function) const {
  if (auto* deffunction = dynamic_cast<const TInterpretedFunction*>(&function))
    return DeffunctionText(*deffunction);
  return PrintFunctionHelp(function);
}

std::string TIEPrinter::DeffunctionText(const TInterpretedFunction& function) const {
  std::string text = "(deffunction " + function.FunctionName() + " (";
  for (int32_t i = 0; i < function.ParameterCount(); ++i) {
    if (i > 0) text += ' ';
    text += ValueText(function.Parameters(i));
  }
  text += std::string(")") + kCrLf;
  if (!function.Comment().empty()) text += kIndent + Quoted(function.Comment()) + kCrLf;
  for (int32_t i = 0; i < function.ActionCount(); ++i)
    text += kIndent + Indented(ValueText(function.Actions(i))) + kCrLf;
  return text + ")" + kCrLf;
}

std::string TIEPrinter::FunctionSyntax(const TIEUserFunction& function) {
  if (function.ArgumentString().empty()) return "(" + function.FunctionName() + ")";
  return "(" + function.FunctionName() + " " + function.ArgumentString() + ")";
}

// Every line of the help after the first is a comment line too.
std::string TIEPrinter::PrintFunctionHelp(const TIEUserFunction& function) const {
  const std::string continued = std::string(kCrLf) + ";; " + kIndent;
  std::string body = function.Comment() + kCrLf + "     syntax: " + FunctionSyntax(function);
  std::string text = ";; " + function.FunctionName() + " function" + continued;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') {
      text += continued;
      ++i;
    } else {
      text += body[i];
    }
  }
  return text;
}

// ---- Global variables -------------------------------------------------------------

std::string TIEPrinter::PrintGlobal(const std::string& name, const IIEValue& value) const {
  return (StartsWith(name, "?") ? name : "?" + name) + " = " + ValueText(value);
}

std::string TIEPrinter::PrintGlobals(const TValueHashTable& table) const {
  std::string text = "(defglobal";
  for (const auto& entry : table) text += " " + PrintGlobal(entry.Key, entry.Value);
  return text + ")";
}

}  // namespace vettora
