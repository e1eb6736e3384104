// TIEPrinter: defined types -- the `deftype` text of a named type and the
// "(type ...)" statement with facets of a slot's implicit type.
#include <cmath>
#include <cstdio>

#include "knowledge/defined_type.h"
#include "knowledge/knowledge_printer.h"
#include "language/printer.h"
#include "language/printer_layout.h"
#include "values/format.h"

namespace vettora {

using namespace printer_layout;

namespace {

constexpr const char* kOpenBound = "?VARIABLE";

TIETypes Without(TIETypes types, TIETypes removed) {
  for (int k = 0; k < kTIETypeCount; ++k)
    if (removed.Contains(TIEType(k))) types.Exclude(TIEType(k));
  return types;
}

// A range bound: "?VARIABLE" for no bound, a whole number for a whole
// bound; a bound with a fraction as value texts write floats (with every
// digit while a TReadBackText lives, so that a copy keeps the type).
std::string RangeBound(double value, double unlimited) {
  if (value == unlimited) return kOpenBound;
  if (value != std::trunc(value) || !std::isfinite(value)) return FormatFloatText(value);
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

std::string RangeFacet(const TIEDefinedType& type) {
  if (!type.RangeLimited()) return "";
  return kIndent + std::string("(range ") +
         RangeBound(type.MinRange(), TIEDefinedType::kNoMinRange) + " " +
         RangeBound(type.MaxRange(), TIEDefinedType::kNoMaxRange) + ") " + kCrLf;
}

std::string CardinalityFacet(const TIEDefinedType& type) {
  if (!type.CardinalityLimited()) return "";
  std::string high = type.MaxCardinality() == TIEDefinedType::kNoMaxCardinality
                         ? kOpenBound
                         : std::to_string(type.MaxCardinality());
  return kIndent + std::string("(cardinality ") + std::to_string(type.MinCardinality()) + " " +
         high + ") " + kCrLf;
}

std::string TypeUnitsFacet(const TIEDefinedType& type) {
  return type.Units().empty() ? "" : UnitsFacet(type.Units());
}

// Four more blanks in front of every line of a facet.
std::string Shifted(const std::string& facet) {
  std::string body = facet;
  bool crlf = body.size() >= 2 && body.compare(body.size() - 2, 2, kCrLf) == 0;
  if (crlf) body.resize(body.size() - 2);
  return kIndent + Indented(body) + (crlf ? kCrLf : "");
}

// "(type " + the ancestor's name + the kind words of this type's own + ")".
std::string TypeStatement(const TIEDefinedType& type) {
  const TIEDefinedType* ancestor = type.Ancestor().Get();
  TIETypes kinds = type.BaseTypes();
  std::string text = "(type ";
  if (ancestor) {
    text += ancestor->Name() + " ";
    kinds = Without(kinds, ancestor->BaseTypes());
  }
  return text + TypeWords(kinds) + ")";
}

}  // namespace

// (deftype name
//     "comment"
//     extends (type ancestor KINDS)
//         <facets>
// )
// An implicit type (a slot's facets) prints its type statement and facets
// only. A type that extends another one is written with the ancestor's
// name, also when it is implicit, so that the ancestor's constraints come
// back with it.
std::string TIEPrinter::PrintDefinedType(const TIEDefinedType& type) const {
  std::string text;
  if (type.Implicit()) {
    text = TypeStatement(type) + kCrLf;
  } else {
    text = "(deftype " + type.Name() + " ";
    if (!type.Comment().empty())
      text += kCrLf + std::string(kIndent) + Quoted(type.Comment()) + kCrLf + kIndent;
    text += "extends " + TypeStatement(type) + kCrLf;
  }
  if (type.FuzzyVariable())
    text += PrintFuzzyVariable(*type.FuzzyVariable());
  else
    text += FacetsText(type);
  return type.Implicit() ? text : text + ")";
}

// Range, units, cardinality and allowed values, each only when it says
// something and, for a type with an ancestor, something the ancestor does
// not already say.
std::string TIEPrinter::FacetsText(const TIEDefinedType& type) const {
  const TIEDefinedType* ancestor = type.Ancestor().Get();
  std::string text;
  auto facet = [&](std::string (*of)(const TIEDefinedType&)) {
    std::string mine = of(type);
    if (mine.empty() || (ancestor && mine == of(*ancestor))) return;
    text += Shifted(mine);
  };
  facet(RangeFacet);
  facet(TypeUnitsFacet);
  facet(CardinalityFacet);
  facet([](const TIEDefinedType& t) { return t.AllowedValuesText(); });
  return text;
}

}  // namespace vettora
