// TIEValue: the printed form.
#include <string>

#include "values/format.h"
#include "values/singletons_vector.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

// A string constant as the rule language writes it: every backslash doubled
// first, then every double quote escaped, all within double quotes.
std::string QuotedString(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (char c : text) {
    if (c == '\\') out += '\\';
    else if (c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

std::string ObjectText(const TObject* object) {
  if (!object) return "";
  if (auto* binding = dynamic_cast<const TBindingInfoBase*>(object))
    return "<" + binding->ClassName() + ": " + binding->BindingText() + ">";
  return "<Object: " + object->ClassName() + ">";
}

}  // namespace

std::string TIEValue::AsText() const {
  switch (FType) {
    case dtNone:
      return "";
    case dtAtom:
      // nil is the empty atom: it prints as nothing, except in text that
      // is read back, where nothing would lose it.
      if (FText.empty() && ReadingBack()) return "nil";
      return FText;
    case dtSlot:
    case dtMultiSlot:
      return FText;
    case dtString:
      return QuotedString(FText);
    case dtInteger:
      return std::to_string(FPayload.Int);
    case dtVariable:
      return "?" + FText;
    case dtMultiVariable:
      return "$?" + FText;
    case dtFactId:
      return "<Fact-" + std::to_string(FPayload.Int) + ">";
    case dtFloat:
      return FormatFloatText(FPayload.Float);
    case dtFunCall:
      return static_cast<TFunCallBase*>(Counted())->AsText();
    case dtFact:
      return static_cast<TFactBase*>(Counted())->AsText();
    case dtList:
      return static_cast<TValueVector*>(Counted())->AsText();
    case dtObject:
      return ObjectText(FPayload.Object);
    case dtClass:
      return FPayload.Class ? FPayload.Class->ClassName() : "";
    case dtExternalAddress:
      return "<External-Address: " + std::to_string(FPayload.Int) + ">";
    case dtSingletons:
      return static_cast<TSingletonsVector*>(Counted())->AsText();
    case dtFuzzy:
      return static_cast<TFuzzySetBase*>(Counted())->AsText();
    case dtDescriptor:
      return "<UNKNOWN>";
  }
  return "";
}

}  // namespace vettora
