// TTypeFields: writing fields as the rule-language text of a `deftype` or
// of a slot's type qualifiers. Numbers are read here and written again in
// their plain form, so a field can only ever contribute a number to the
// text; free texts (units, comment) are written as string constants.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "editors/messages.h"
#include "editors/type_fields.h"
#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "knowledge/defined_type.h"
#include "knowledge/knowledge_printer.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

constexpr const char* kOpenBound = "?VARIABLE";

double NumberOf(const std::string& text, const char* what) {
  std::string trimmed = TrimmedText(text);
  char* end = nullptr;
  double value = std::strtod(trimmed.c_str(), &end);
  if (trimmed.empty() || *end != '\0' || !std::isfinite(value))
    throw EIEException(FormatMessage(kEditorInvalidNumber, {what, text}));
  return value;
}

int32_t CountOf(const std::string& text, const char* what) {
  std::string trimmed = TrimmedText(text);
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(trimmed.c_str(), &end, 10);
  if (trimmed.empty() || *end != '\0' || errno != 0 || value < 0 ||
      value > std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kEditorInvalidCount, {what, text}));
  return int32_t(value);
}

std::string Bound(const std::string& text, const char* what) {
  return TrimmedText(text).empty() ? kOpenBound : NumberText(NumberOf(text, what));
}

std::string RangeFacet(const TTypeFields& fields) {
  if (TrimmedText(fields.RangeMin).empty() && TrimmedText(fields.RangeMax).empty()) return "";
  return "(range " + Bound(fields.RangeMin, "range minimum") + " " +
         Bound(fields.RangeMax, "range maximum") + ")";
}

std::string CardinalityFacet(const TTypeFields& fields) {
  const std::string low = TrimmedText(fields.CardinalityMin),
                    high = TrimmedText(fields.CardinalityMax);
  if (low.empty() && high.empty()) return "";
  std::string text = "(cardinality ";
  text += low.empty() ? "0" : std::to_string(CountOf(low, "cardinality minimum"));
  text += " ";
  text += high.empty() ? kOpenBound : std::to_string(CountOf(high, "cardinality maximum"));
  return text + ")";
}

std::string UnitsFacet(const TTypeFields& fields) {
  if (TrimmedText(fields.Units).empty()) return "";
  return "(units " + MakeString(fields.Units)->AsText() + ")";
}

// The allowed constants one by one; a single value or a sequence.
std::vector<IIEValue> AllowedValuesOf(const std::string& text, TInferenceEngine& engine) {
  if (TrimmedText(text).empty()) return {};
  CheckBalanced(text, "allowed values");
  IIEValue value = engine.Parser().ParseValue(text);
  std::vector<IIEValue> values;
  if (value && value->DType() == dtList) {
    IValueVector list = value->AsList();
    for (int32_t i = 0; i < list->Count(); ++i) values.push_back(list->Items(i));
  } else if (value) {
    values.push_back(value);
  }
  return values;
}

TValueConstraint ConstraintOf(const TIEValue& value) {
  switch (value.DType()) {
    case dtAtom:
      return vcAtom;
    case dtString:
      return vcString;
    case dtInteger:
      return vcInteger;
    case dtFloat:
      return vcFloat;
    default:
      throw EIEException(FormatMessage(kEditorInvalidAllowedValue, {value.AsText()}));
  }
}

// One statement per list in force, or "allowed-values" when all four are:
// a list in force without entries is written empty, so it keeps rejecting
// its kind.
std::string AllowedFacet(const TTypeFields& fields, TInferenceEngine& engine) {
  std::vector<IIEValue> values = AllowedValuesOf(fields.AllowedValues, engine);
  if (values.empty()) return "";
  TReadBackText readBack;
  TValueConstraints kinds = fields.AllowedKinds;
  std::string lists[kValueConstraintCount];
  for (const IIEValue& value : values) {
    TValueConstraint kind = ConstraintOf(*value);
    kinds.Include(kind);
    lists[kind] += " " + value->AsText();
  }
  if (kinds == TValueConstraints::All())
    return "(allowed-values" + lists[vcAtom] + lists[vcString] + lists[vcInteger] + lists[vcFloat] +
           ")";
  static constexpr const char* kWords[] = {"allowed-symbols", "allowed-strings", "allowed-integers",
                                           "allowed-floats"};
  std::string text;
  for (int kind = 0; kind < kValueConstraintCount; ++kind) {
    if (!kinds.Contains(TValueConstraint(kind))) continue;
    if (!text.empty()) text += " ";
    text += "(" + std::string(kWords[kind]) + lists[kind] + ")";
  }
  return text;
}

// Range, units, cardinality and allowed values, each left out when it is
// empty or says what the ancestor says already.
std::string FacetsText(const TTypeFields& fields, const TIEDefinedType* ancestor,
                       TInferenceEngine& engine) {
  TTypeFields inherited = ancestor ? TypeFieldsOf(*ancestor) : TTypeFields();
  std::string text;
  auto add = [&](const std::string& mine, const std::string& theirs) {
    if (!mine.empty() && mine != theirs) text += " " + mine;
  };
  add(RangeFacet(fields), ancestor ? RangeFacet(inherited) : "");
  add(UnitsFacet(fields), ancestor ? UnitsFacet(inherited) : "");
  add(CardinalityFacet(fields), ancestor ? CardinalityFacet(inherited) : "");
  add(AllowedFacet(fields, engine), ancestor ? AllowedFacet(inherited, engine) : "");
  return text;
}

void CheckTermName(const std::string& name) {
  if (name.find_first_of(" \t\r\n()\";&|~<>") != std::string::npos)
    throw EIEException(FormatMessage(kEditorNameNotRead, {"fuzzy term", name}));
}

// The universe, the units and "(values (term name membership) ...)".
std::string FuzzyBody(const TTypeFields& fields) {
  std::string text;
  bool hasMin = !TrimmedText(fields.RangeMin).empty(),
       hasMax = !TrimmedText(fields.RangeMax).empty();
  if (hasMin != hasMax) throw EIEException(kEditorFuzzyRangeIncomplete);
  if (hasMin)
    text += " (range " + NumberText(NumberOf(fields.RangeMin, "range minimum")) + " " +
            NumberText(NumberOf(fields.RangeMax, "range maximum")) + ")";
  if (std::string units = UnitsFacet(fields); !units.empty()) text += " " + units;
  text += " (values";
  for (size_t i = 0; i < fields.Terms.size(); ++i) {
    std::string name = TrimmedText(fields.Terms[i].Name);
    std::string membership = TrimmedText(fields.Terms[i].Membership);
    if (name.empty() && membership.empty()) continue;
    if (name.empty() || membership.empty())
      throw EIEException(FormatMessage(kEditorIncompleteTerm, {int(i + 1)}));
    CheckTermName(name);
    CheckBalanced(membership, "membership function");
    text += " (term " + name + " " + membership + ")";
  }
  return text + ")";
}

IIEDefinedType AncestorOf(const TTypeFields& fields, TInferenceEngine& engine) {
  std::string name = TrimmedText(fields.Ancestor);
  if (name.empty()) return {};
  IIEDefinedType ancestor = engine.FindDefinedType(name);
  if (!ancestor) throw EIEException(FormatMessage(kEditorNameNotRead, {"ancestor type", name}));
  return ancestor;
}

// The kind words this type adds to its ancestor's.
std::string OwnKindWords(const TTypeFields& fields, const TIEDefinedType* ancestor) {
  TIETypes kinds = fields.Kinds;
  if (ancestor)
    for (TIEType kind : kTypeWordKinds)
      if (ancestor->BaseTypes().Contains(kind)) kinds.Exclude(kind);
  return TypeWords(kinds);
}

std::string TypeStatement(const TIEDefinedType* ancestor, const std::string& words) {
  std::string text = "(type";
  if (ancestor) text += " " + ancestor->Name();
  if (!words.empty()) text += " " + words;
  return text + ")";
}

bool FuzzyKinds(const TTypeFields& fields, const TIEDefinedType* ancestor) {
  return fields.IsFuzzy() || (ancestor && ancestor->BaseTypes().Contains(dtFuzzy));
}

}  // namespace

std::string TrimmedText(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

void CheckBalanced(const std::string& text, const char* what) {
  int depth = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth < 0) {
      break;
    }
  }
  if (depth != 0 || inString) throw EIEException(FormatMessage(kEditorUnbalanced, {what, text}));
}

std::string DefinedTypeText(const TTypeFields& fields, TInferenceEngine& engine) {
  std::string name = TrimmedText(fields.Name);
  if (name.empty()) throw EIEException(FormatMessage(kEditorNameMissing, {"defined type"}));
  IIEDefinedType ancestor = AncestorOf(fields, engine);
  std::string text = "(deftype " + name;
  if (!TrimmedText(fields.Comment).empty()) text += " " + MakeString(fields.Comment)->AsText();
  text += " extends " + TypeStatement(ancestor.Get(), OwnKindWords(fields, ancestor.Get()));
  if (FuzzyKinds(fields, ancestor.Get()))
    text += FuzzyBody(fields);
  else
    text += FacetsText(fields, ancestor.Get(), engine);
  return text + ")";
}

std::string SlotTypeText(const TTypeFields& fields, TInferenceEngine& engine) {
  IIEDefinedType ancestor = AncestorOf(fields, engine);
  std::string words = OwnKindWords(fields, ancestor.Get());
  std::string text;
  // Every slot kind, or none ticked, is what a slot without a type clause
  // admits.
  if (ancestor || (!fields.Kinds.Empty() && fields.Kinds != AllSlotKinds()))
    text = TypeStatement(ancestor.Get(), words);
  // A fuzzy slot takes no facets: its type's variable says it all.
  if (FuzzyKinds(fields, ancestor.Get())) return text;
  std::string facets = FacetsText(fields, ancestor.Get(), engine);
  if (text.empty() && !facets.empty()) facets.erase(0, 1);
  return text + facets;
}

}  // namespace vettora
