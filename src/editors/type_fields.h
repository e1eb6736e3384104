#pragma once
// TTypeFields: a defined type as the type editor frame shows it -- plain
// texts and the admitted kinds -- with the conversions both ways: from a
// defined type or a template slot into fields, and from fields into the
// rule-language text that the parser reads back (a whole `deftype`, or the
// type qualifiers of a slot). Editing goes through the text so that the
// parser stays the only place that builds types: a field that cannot be
// written raises EIEException with a message naming it, and nothing is
// made from half a type.

#include <iterator>
#include <string>
#include <vector>

#include "knowledge/value_constraints.h"
#include "values/value_type.h"

namespace vettora {

class TFactSlot;
class TIEDefinedType;
class TInferenceEngine;

struct TFuzzyTermField {
  std::string Name;
  std::string Membership;  // a shape call "(z 10 40)" or points "((0 1) (5 0))"
  bool operator==(const TFuzzyTermField&) const = default;
};

struct TTypeFields {
  std::string Name;
  std::string Comment;
  std::string Ancestor;  // the name of the type extended; empty for none
  std::string Units;
  TIETypes Kinds;
  // Numbers as typed; an empty bound is an open one, both empty no limit.
  std::string RangeMin, RangeMax;
  std::string CardinalityMin, CardinalityMax;
  // The allowed constants as a value sequence: symbols, "strings", 1, 2.5.
  std::string AllowedValues;
  // The allowed-value lists the type had in force when it was loaded: a
  // list in force with no entry still rejects values of its kind, so it is
  // written again while any allowed value is left.
  TValueConstraints AllowedKinds;
  std::vector<TFuzzyTermField> Terms;

  [[nodiscard]] bool IsFuzzy() const { return Kinds.Contains(dtFuzzy); }
  bool operator==(const TTypeFields&) const = default;
};

// The kinds a `type` statement can name, in the order the frame shows them.
inline constexpr TIEType kTypeWordKinds[] = {
    dtAtom,       dtString, dtInteger, dtFactId,          dtFloat, dtFact,
    dtDescriptor, dtObject, dtClass,   dtExternalAddress, dtFuzzy};
inline constexpr int kTypeWordKindCount = int(std::size(kTypeWordKinds));

// Every kind above but dtFuzzy, which mixes with no other: what "Select all
// slot types" ticks and what a new type admits.
[[nodiscard]] TIETypes AllSlotKinds();

// The fields of a new type: every slot kind, nothing else.
[[nodiscard]] TTypeFields NewTypeFields();
[[nodiscard]] TTypeFields TypeFieldsOf(const TIEDefinedType& type);
// A slot's type: its defined type (named, or the implicit one of its
// facets with the type it extends as ancestor), or its kinds alone. Name
// and comment stay empty.
[[nodiscard]] TTypeFields SlotTypeFieldsOf(const TFactSlot& slot);

// "(deftype name \"comment\" extends (type ancestor KINDS) facets)" or,
// for a fuzzy type, with the universe, units and terms as its body.
// Facets the ancestor already has are left out, as the printer does.
[[nodiscard]] std::string DefinedTypeText(const TTypeFields& fields, TInferenceEngine& engine);
// The qualifiers of a slot: "(type ...)" and the facets; empty for a slot
// that admits any single value.
[[nodiscard]] std::string SlotTypeText(const TTypeFields& fields, TInferenceEngine& engine);

// Raises "Unbalanced parentheses in the %s: %s" unless every parenthesis
// of the text (outside strings) is closed and no string is left open: a
// field's text is embedded in a construct, and an extra ")" there would
// end the construct early and let the rest read as something else.
void CheckBalanced(const std::string& text, const char* what);

// The text without leading and trailing blanks and line breaks.
[[nodiscard]] std::string TrimmedText(const std::string& text);

// A number as the fields show it: whole numbers without a fraction, others
// in their shortest exact form.
[[nodiscard]] std::string NumberText(double value);

}  // namespace vettora
