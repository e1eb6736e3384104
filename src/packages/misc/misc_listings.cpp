// agenda, facts, rules and the list-def... commands.
#include "packages/misc/misc_listings.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "functions/engine_services.h"
#include "matching/agenda.h"
#include "matching/rule.h"
#include "packages/misc/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kLineEnd = "\r\n";

// The default output stream of the listings.
constexpr const char* kDefaultOutput = "t";

struct TListingKind {
  const char* Name;
  const char* Help;
  const char* Plural;
};

constexpr TListingKind kListingKinds[] = {
    {"list-defrules", "Lists the names of all rules, sorted", "rules"},
    {"list-deftypes", "Lists the names of all defined types, sorted", "deftypes"},
    {"list-deffacts", "Lists the names of all fact sets, sorted", "deffacts"},
    {"list-deffunctions", "Lists the names of all deffunctions, sorted", "deffunctions"},
    {"list-deftemplates", "Lists the names of all fact templates, sorted", "deftemplates"},
};

std::vector<std::string> ConstructNames(IEngineServices& engine, TListConstructsType type) {
  std::vector<std::string> names;
  switch (type) {
    case lctRules:
      for (const auto& entry : engine.Rules().Table()) names.push_back(entry.Value->RuleName());
      break;
    case lctDefinedTypes:
      for (const auto& entry : engine.DefinedTypes().Table()) names.push_back(entry.Value->Name());
      break;
    case lctFactSets:
      for (const TFactSet* set : engine.FactSets()) names.push_back(set->FactSetName());
      break;
    case lctFunctions:
      for (const IUserFunction& function : engine.UserFunctions().Deffunctions())
        names.push_back(function->FunctionName());
      break;
    case lctFactTemplates:
      for (const auto& entry : engine.FactTemplates().Table()) names.push_back(entry.Value->Name());
      break;
  }
  return names;
}

// The lines, each ending in CR LF, then the closing sentence.
std::string Listing(const std::vector<std::string>& lines, const std::string& closing) {
  std::string text;
  for (const std::string& line : lines) text += line + kLineEnd;
  return text + closing + kLineEnd;
}

}  // namespace

// ---- agenda ------------------------------------------------------------------------

TAgendaFunction::TAgendaFunction()
    : TMiscFunction("agenda", "Lists the activations on the agenda, the next to fire first", "", 0,
                    0) {}

IIEValue TAgendaFunction::Execute(TFunctionCall&, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  const TIEAgenda& agenda = engine.Agenda();
  std::vector<std::string> lines;
  lines.reserve(size_t(agenda.Count()));
  for (int32_t i = 0; i < agenda.Count(); ++i) lines.push_back(agenda.Strings(i));
  engine.PrintOut(kDefaultOutput,
                  Listing(lines, FormatMessage(kListingTotal, {agenda.Count(), "activations"})));
  return TrueValue();
}

// ---- list-def... -------------------------------------------------------------------

TListConstructsFunction::TListConstructsFunction(TListConstructsType type)
    : TMiscFunction(kListingKinds[type].Name, kListingKinds[type].Help, "", 0,
                    type == lctFunctions ? 1 : 0),
      FType(type) {
  // The optional argument of list-deffunctions names a module elsewhere;
  // this engine has one, so it is accepted and not used.
  if (type == lctFunctions) SetArgumentString(" [<module-name>]");
}

IIEValue TListConstructsFunction::Execute(TFunctionCall&, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::vector<std::string> names = ConstructNames(engine, FType);
  std::sort(names.begin(), names.end());
  int32_t count = int32_t(names.size());
  engine.PrintOut(
      kDefaultOutput,
      Listing(names, FormatMessage(kListingTotal, {count, kListingKinds[FType].Plural})));
  return TrueValue();
}

// ---- facts -------------------------------------------------------------------------

TFactsFunction::TFactsFunction()
    : TMiscFunction("facts",
                    "Lists the facts from a start identifier to an end identifier, at most a "
                    "maximum number of them, sorted by their text",
                    " [<start-integer-expression> [<end-integer-expression> "
                    "[<max-integer-expression>]]]",
                    0, 3) {}

IIEValue TFactsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t count = call.ArgumentCount();
  int32_t start = count > 0 ? Arg(call, 0, context)->AsInteger() : INT32_MIN;
  int32_t end = count > 1 ? Arg(call, 1, context)->AsInteger() : INT32_MAX;
  int32_t maximum = count > 2 ? Arg(call, 2, context)->AsInteger() : INT32_MAX;
  std::vector<std::string> lines;
  const TFacts& facts = engine.Facts();
  for (int32_t i = 0; i < facts.Count() && int32_t(lines.size()) < maximum; ++i) {
    const IFact& fact = facts.Items(i);
    if (fact->ID() >= start && fact->ID() <= end) lines.push_back(fact->IdText());
  }
  std::sort(lines.begin(), lines.end());
  engine.PrintOut(kDefaultOutput,
                  Listing(lines, FormatMessage(kFactsTotal, {int32_t(lines.size())})));
  return TrueValue();
}

// ---- rules -------------------------------------------------------------------------

TRulesFunction::TRulesFunction()
    : TMiscFunction("rules", "Prints the text of every rule to the logical output (default t)",
                    "[<logical-name>]", 0, 1) {}

IIEValue TRulesFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string output =
      call.ArgumentCount() > 0 ? Arg(call, 0, context)->AsString() : kDefaultOutput;
  std::vector<std::string> texts;
  for (const auto& entry : engine.Rules().Table())
    texts.push_back(engine.Parser().PrintRule(*entry.Value));
  engine.PrintOut(output, Listing(texts, FormatMessage(kRulesTotal, {int32_t(texts.size())})));
  return TrueValue();
}

}  // namespace vettora
