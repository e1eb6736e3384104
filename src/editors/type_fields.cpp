// TTypeFields: reading a defined type or a slot's type into fields.
#include "editors/type_fields.h"

#include <cmath>
#include <cstdio>

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/messages.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact_slot.h"
#include "language/printer.h"
#include "values/format.h"

namespace vettora {

namespace {

TIETypes WordKindsOf(TIETypes types) {
  TIETypes kinds;
  for (TIEType kind : kTypeWordKinds)
    if (types.Contains(kind)) kinds.Include(kind);
  return kinds;
}

std::string BoundText(double value, double unlimited) {
  return value == unlimited ? std::string() : NumberText(value);
}

// The allowed constants list by list, as the parser reads them: floats in
// their exact form, strings quoted.
std::string AllowedText(const TIEDefinedType& type) {
  TReadBackText readBack;
  std::string text;
  for (TValueConstraint kind : {vcAtom, vcString, vcInteger, vcFloat})
    for (int32_t i = 0; i < type.AllowedCount(kind); ++i) {
      if (!text.empty()) text += ' ';
      text += type.AllowedItem(kind, i)->AsText();
    }
  return text;
}

// The terms but "__Empty", which every variable makes again on first use.
std::vector<TFuzzyTermField> TermFieldsOf(const TIFuzzyVariable& variable) {
  TIEPrinter printer;
  std::vector<TFuzzyTermField> terms;
  for (const IFuzzySet& term : variable.Items()) {
    if (!term || term->Name() == kEmptyTermName) continue;
    terms.push_back({term->Name(), printer.PrintFuzzySet(*term, false)});
  }
  return terms;
}

}  // namespace

TIETypes AllSlotKinds() { return WordKindsOf(kSingleSlotTypes); }

TTypeFields NewTypeFields() {
  TTypeFields fields;
  fields.Kinds = AllSlotKinds();
  return fields;
}

std::string NumberText(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
  }
  return FormatFloatDefault(value);
}

TTypeFields TypeFieldsOf(const TIEDefinedType& type) {
  TTypeFields fields;
  fields.Name = type.Name();
  fields.Comment = type.Comment();
  if (type.Ancestor()) fields.Ancestor = type.Ancestor()->Name();
  fields.Units = type.Units();
  fields.Kinds = WordKindsOf(type.BaseTypes());
  if (const TIFuzzyVariable* variable = type.FuzzyVariable().Get()) {
    fields.RangeMin = NumberText(variable->Minimum());
    fields.RangeMax = NumberText(variable->Maximum());
    fields.Terms = TermFieldsOf(*variable);
    return fields;
  }
  if (type.RangeLimited()) {
    fields.RangeMin = BoundText(type.MinRange(), TIEDefinedType::kNoMinRange);
    fields.RangeMax = BoundText(type.MaxRange(), TIEDefinedType::kNoMaxRange);
  }
  if (type.CardinalityLimited()) {
    fields.CardinalityMin = std::to_string(type.MinCardinality());
    if (type.MaxCardinality() != TIEDefinedType::kNoMaxCardinality)
      fields.CardinalityMax = std::to_string(type.MaxCardinality());
  }
  fields.AllowedValues = AllowedText(type);
  fields.AllowedKinds = type.Constraints();
  return fields;
}

TTypeFields SlotTypeFieldsOf(const TFactSlot& slot) {
  const TIEDefinedType* type = slot.ExtendedTypeInfo().Get();
  if (!type) {
    TTypeFields fields;
    fields.Kinds = WordKindsOf(slot.SlotType());
    return fields;
  }
  // An implicit type names the type it extends as its own ancestor; a
  // named type is the slot's ancestor, its facets inherited unchanged.
  TTypeFields fields = TypeFieldsOf(*type);
  fields.Name.clear();
  fields.Comment.clear();
  if (!type->Implicit()) fields.Ancestor = type->Name();
  return fields;
}

}  // namespace vettora
