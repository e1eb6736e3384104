#pragma once
// IFactEngine: everything fact templates, facts and the fact list need from
// the engine that owns them, in one narrow interface. The engine implements
// it; templates keep a plain, uncounted pointer to it (the engine detaches
// its templates, SetEngine(nullptr), before it goes away).
//
// Nothing here is required: a template without an engine works on its own,
// with no type checks, no network, no events and plain fact identifiers.

#include <cstdint>
#include <string>

#include "knowledge/fuzzy_methods.h"
#include "knowledge/type_checks.h"
#include "values/counted.h"
#include "values/value.h"

namespace vettora {

class TFact;
class TFactSlot;
class TFactTemplate;
class TIEDefinedType;
using IFact = Ref<TFact>;
using IFactTemplate = Ref<TFactTemplate>;
using IIEDefinedType = Ref<TIEDefinedType>;

class IFactEngine {
 public:
  virtual ~IFactEngine() = default;

  // ---- Settings.
  // tcDynamic makes slot defaults and fact slot values checked (and
  // integers converted to floats, atoms to fuzzy terms) when they are set.
  [[nodiscard]] virtual TTypeChecks TypeChecks() const = 0;
  // True allows equal facts on the fact list at the same time.
  [[nodiscard]] virtual bool FactDuplication() const = 0;
  // How a firing rule's strength limits the fuzzy facts it asserts.
  [[nodiscard]] virtual TFuzzyCorrelationMethod FuzzyCorrelationMethod() const = 0;
  // Which union (or intersection) merges equal fuzzy facts.
  [[nodiscard]] virtual TFuzzyInferenceMethod FuzzyInferenceMethod() const = 0;
  // The next-fact-id counter: IdText pads identifiers to its digit count.
  [[nodiscard]] virtual int32_t NextFactId() const = 0;

  // ---- Output. True when the fact watch is on and someone listens to the
  // output; only then are the " ==> " / " <== " lines built at all.
  [[nodiscard]] virtual bool WatchingFacts() const = 0;
  // Sends text to the named logical stream ("" is the standard one).
  virtual void PrintOut(const std::string& outId, const std::string& text) = 0;

  // ---- The Rete network: an add token for an asserted fact, a remove token
  // for a retracted one, and one clear token when the whole list empties.
  virtual void ReteAddFact(const IFact& fact) = 0;
  virtual void ReteRemoveFact(const IFact& fact) = 0;
  virtual void ReteClearFacts() = 0;

  // ---- Events: OnAssertion (end of a successful assertion), OnRetraction
  // (start of a retraction), OnClearFacts (after the list was emptied).
  virtual void FactAsserted(const IFact& fact) = 0;
  virtual void FactRetracting(const IFact& fact) = 0;
  virtual void FactsCleared() = 0;
  // OnFuzzyCorrelation and OnFuzzyInference; each answers the handler's
  // Done flag (false when no handler is assigned), and a true answer
  // replaces the built-in correlation or combination.
  virtual bool FuzzyCorrelationDone(const IFact& fact, double strength) = 0;
  virtual bool FuzzyInferenceDone(const IFact& newFact, const IFact& listedFact) = 0;

  // ---- The rule being fired: true and its activation's strength while a
  // rule fires, false outside a firing.
  [[nodiscard]] virtual bool FiringStrength(double& strength) const = 0;

  // ---- Constructs.
  // The registered template of that name, or an empty handle.
  [[nodiscard]] virtual IFactTemplate FindTemplate(const std::string& name) = 0;
  // The registered template of that name, or a new implied one (comment
  // "(Implied)") registered under it.
  [[nodiscard]] virtual IFactTemplate FindOrCreateTemplate(const std::string& name) = 0;
  // A template of this engine is being renamed. When it is the very template
  // registered under `oldName`, the engine re-keys its template collection;
  // any other template (a clone, one not yet added) is left alone. Called
  // before the template stores the new name; an error cancels the rename.
  virtual void RenameFactTemplate(TFactTemplate& factTemplate, const std::string& oldName,
                                  const std::string& newName) = 0;
  // The engine's defined type of that name, or an empty handle.
  [[nodiscard]] virtual IIEDefinedType FindDefinedType(const std::string& name) = 0;
  // The root evaluation context, in which default-dynamic slots evaluate.
  [[nodiscard]] virtual IEvalContext* GlobalContext() = 0;

  // ---- The rule-language printer and parser of this engine.
  [[nodiscard]] virtual std::string PrintTemplateSlot(const TFactSlot& slot) = 0;
  [[nodiscard]] virtual std::string PrintFactTemplate(const TFactTemplate& factTemplate) = 0;
  // One value read from rule-language text: rebuilds a function-call, fact
  // or fuzzy default of a slot copied from another engine.
  [[nodiscard]] virtual IIEValue ParseValue(const std::string& text) = 0;
  // One fact read from its rule-language text (its templates resolved in
  // this engine): rebuilds a fact copied from another engine.
  [[nodiscard]] virtual IFact ParseFact(const std::string& text) = 0;
};

}  // namespace vettora
