// Free-standing printed forms of template slots and templates.
#include "knowledge/knowledge_printer.h"

#include <cctype>

#include "knowledge/defined_type.h"
#include "knowledge/fact_slot.h"
#include "knowledge/fact_template.h"

namespace vettora {

namespace {

// Kinds that say nothing about what a slot holds, left out of "(type ...)".
constexpr TIETypes kUnprintedKinds{dtNone, dtVariable, dtFunCall, dtMultiVariable};

std::string KindWordList(TIETypes types) {
  std::string words;
  for (int k = 0; k < kTIETypeCount; ++k) {
    if (!types.Contains(TIEType(k))) continue;
    if (!words.empty()) words += ' ';
    for (const char* p = TypeName(TIEType(k)) + 2; *p; ++p)
      words += char(std::toupper(static_cast<unsigned char>(*p)));
  }
  return words;
}

TIETypes Without(TIETypes types, TIETypes removed) {
  TIETypes result;
  for (int k = 0; k < kTIETypeCount; ++k)
    if (types.Contains(TIEType(k)) && !removed.Contains(TIEType(k))) result.Include(TIEType(k));
  return result;
}

std::string DefaultText(const TFactSlot& slot, const TValueTextFunction& valueText) {
  const IIEValue& value = slot.SlotDefault();
  if (!value || value == NilValue() || value == EmptyListValue()) return "";
  std::string text = valueText ? valueText(value) : value->AsText();
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) return "";
  return (slot.DefaultDynamic() ? "(default-dynamic " : "(default ") + text + ") ";
}

// Indents a nested construct's own line breaks by four blanks.
std::string Indented(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') out += "    ";
  }
  return out;
}

std::string TypeText(const TFactSlot& slot, const std::string& defaultText) {
  const TIEDefinedType* type = slot.ExtendedTypeInfo().Get();
  if (type && type->Implicit()) return type->AsText() + "        " + defaultText;
  if (type) return "(type " + type->Name() + ")        " + defaultText;
  TIETypes types = slot.SlotType();
  if (types == kSingleSlotTypes || types == kMultiSlotTypes) return defaultText;
  TIETypes shown = Without(types, kUnprintedKinds);
  if (slot.IsMultiSlot()) shown = Without(shown, kListPartTypes);
  std::string text = "(type " + KindWordList(shown) + (slot.IsMultiSlot() ? ") " : ")");
  if (!defaultText.empty()) text += "\r\n        " + defaultText;
  return text;
}

}  // namespace

std::string PrintTemplateSlot(const TFactSlot& slot, const TValueTextFunction& valueText) {
  std::string text = (slot.IsMultiSlot() ? "(multislot " : "(slot ") + slot.Name() + " ";
  return text + TypeText(slot, DefaultText(slot, valueText)) + ")";
}

std::string PrintFactTemplate(const TFactTemplate& factTemplate,
                              const TValueTextFunction& valueText) {
  std::string text = "(deftemplate " + factTemplate.Name();
  if (!factTemplate.Comment().empty()) text += " " + MakeString(factTemplate.Comment())->AsText();
  if (factTemplate.Parent()) text += "\r\n    extends " + factTemplate.Parent()->Name();
  if (factTemplate.IsImplied()) {
    const TFactSlot* data = factTemplate.FindSlot(kImpliedSlotName);
    const TIEDefinedType* type = data ? data->ExtendedTypeInfo().Get() : nullptr;
    if (type && type->Implicit())
      text += " " + Indented(PrintTemplateSlot(*data, valueText));
    else if (type)
      text += " is-a " + type->Name();
    return text + ")";
  }
  text += "\r\n";
  for (const IFactSlot& slot : factTemplate.SlotsInOrder())
    text += "    " + Indented(PrintTemplateSlot(*slot, valueText)) + "\r\n";
  return text + ")";
}

std::string TypeWords(TIETypes types) {
  // The kinds a type statement can name, in kind order.
  static constexpr TIEType kWordKinds[] = {
      dtAtom,       dtString, dtInteger, dtFactId,          dtFloat, dtFact,
      dtDescriptor, dtObject, dtClass,   dtExternalAddress, dtFuzzy};
  std::string words;
  for (TIEType kind : kWordKinds) {
    if (!types.Contains(kind)) continue;
    if (!words.empty()) words += ' ';
    for (const char* p = TypeName(kind) + 2; *p; ++p)
      words += char(std::toupper(static_cast<unsigned char>(*p)));
  }
  return words;
}

std::string KindList(TIETypes types) {
  std::string words;
  for (int k = 0; k < kTIETypeCount; ++k) {
    if (!types.Contains(TIEType(k))) continue;
    if (!words.empty()) words += ", ";
    for (const char* p = TypeName(TIEType(k)) + 2; *p; ++p)
      words += char(std::toupper(static_cast<unsigned char>(*p)));
  }
  return words;
}

}  // namespace vettora
