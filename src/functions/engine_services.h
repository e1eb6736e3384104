#pragma once
// IEngineServices: what the function packages need from the engine their
// calls are evaluated in — running and controlling it, asserting and
// retracting facts, its collections, its streams and files, its parser and
// its settings. The engine implements it; a function reaches it through
// the evaluation context (TIEContext::Services), never by a cast.
//
// The operations keep the names the engine gives them. The engine's own
// types appear here only declared: a package includes the engine header of
// the collection it uses.

#include <cstdint>
#include <limits>
#include <string>

#include "fuzzy/fuzzy_types.h"
#include "knowledge/fuzzy_methods.h"
#include "knowledge/type_checks.h"
#include "values/counted.h"

namespace vettora {

class IFactEngine;
class ISymbolSource;
class TActivation;
class TComponent;
class TConstructWatches;
class TEngineVariables;
class TFact;
class TFactSets;
class TFactTemplates;
class TFactTemplate;
class TFacts;
class THostRuntime;
class TIEAgenda;
class TIEDefinedTypes;
class TIEStreamToken;
class TIOStreams;
class TRules;
class TStream;
class TUserDialogs;
class TUserFunctions;
class IEngineParser;
using IFact = Ref<TFact>;
using IFactTemplate = Ref<TFactTemplate>;
using IStreamToken = Ref<TIEStreamToken>;

class IEngineServices {
 public:
  // The run limit that lets a run go on until the agenda is empty.
  static constexpr int32_t kRunForever = std::numeric_limits<int32_t>::max();

  virtual ~IEngineServices() = default;

  // ---- The engine in its other roles.
  // The engine component: the owner of what it makes (a fact set read from
  // text, say).
  [[nodiscard]] virtual TComponent* EngineComponent() = 0;
  // The engine as the templates it files know it.
  [[nodiscard]] virtual IFactEngine* FactEngine() = 0;
  // The engine as a source of unique names, for the streams it reads.
  [[nodiscard]] virtual ISymbolSource* SymbolSource() = 0;

  // ---- Lifecycle and control.
  virtual void Reset() = 0;
  virtual void Clear() = 0;
  // Fires up to `maximum` rules; answers the number fired.
  virtual int32_t Run(int32_t maximum) = 0;
  // Asks the run to stop after the rule being fired.
  virtual void Halt() = 0;
  // The activation being fired, or null outside a firing.
  [[nodiscard]] virtual TActivation* FiringActivation() const = 0;
  [[nodiscard]] virtual float Version() const = 0;

  // ---- Facts.
  // The new fact's ID, or -1 when an equal fact is listed.
  virtual int32_t Assert(const IFact& fact, bool intersection = false) = 0;
  virtual int32_t AssertString(const std::string& text) = 0;
  // Retracts the fact at a list index.
  virtual void Retract(int32_t index) = 0;
  virtual int32_t RetractString(const std::string& text) = 0;
  virtual IFactTemplate FindOrCreateTemplate(const std::string& name) = 0;
  virtual std::string GenerateSymbol(const std::string& prefix) = 0;
  virtual void SetSymbolIndex(int32_t value) = 0;

  // ---- Collections.
  [[nodiscard]] virtual TIEAgenda& Agenda() const = 0;
  [[nodiscard]] virtual TEngineVariables& EngineVariables() const = 0;
  [[nodiscard]] virtual TFacts& Facts() const = 0;
  [[nodiscard]] virtual TFactSets& FactSets() const = 0;
  [[nodiscard]] virtual TFactTemplates& FactTemplates() const = 0;
  [[nodiscard]] virtual TIEDefinedTypes& DefinedTypes() const = 0;
  [[nodiscard]] virtual TIOStreams& IOStreams() const = 0;
  [[nodiscard]] virtual TRules& Rules() const = 0;
  [[nodiscard]] virtual TUserFunctions& UserFunctions() const = 0;
  // Reading and printing rule-language text.
  [[nodiscard]] virtual IEngineParser& Parser() const = 0;
  // Host objects, for the object package.
  [[nodiscard]] virtual THostRuntime& HostRuntime() = 0;

  // ---- Input, output and files.
  virtual void PrintOut(const std::string& outId, const std::string& text) = 0;
  [[nodiscard]] virtual TUserDialogs& UserDialogs() const = 0;
  virtual std::string ReadLine(const std::string& inId) = 0;
  virtual IStreamToken ReadToken(const std::string& inId) = 0;
  virtual bool Batch(const std::string& fileName) = 0;
  virtual bool DribbleOn(const std::string& fileName) = 0;
  virtual bool DribbleOff() = 0;
  virtual void LoadFromFile(const std::string& fileName) = 0;
  virtual void SaveToFile(const std::string& fileName) = 0;
  virtual void LoadFactsFromFile(const std::string& fileName) = 0;
  virtual void SaveFactsToFile(const std::string& fileName) = 0;
  // Writes only the facts whose template has that name.
  virtual void SaveFactsOfTemplate(TStream& stream, const std::string& templateName) = 0;

  // ---- Settings.
  [[nodiscard]] virtual bool FactDuplication() const = 0;
  virtual void SetFactDuplication(bool value) = 0;
  [[nodiscard]] virtual bool FuzzyAutoTerms() const = 0;
  virtual void SetFuzzyAutoTerms(bool value) = 0;
  [[nodiscard]] virtual TFuzzyCorrelationMethod FuzzyCorrelationMethod() const = 0;
  virtual void SetFuzzyCorrelationMethod(TFuzzyCorrelationMethod value) = 0;
  [[nodiscard]] virtual TFuzzyInferenceMethod FuzzyInferenceMethod() const = 0;
  virtual void SetFuzzyInferenceMethod(TFuzzyInferenceMethod value) = 0;
  [[nodiscard]] virtual TFzyFloat FuzzyEqualsThreshold() const = 0;
  virtual void SetFuzzyEqualsThreshold(float value) = 0;
  [[nodiscard]] virtual float MinActivationStrength() const = 0;
  virtual void SetMinActivationStrength(float value) = 0;
  [[nodiscard]] virtual bool ResetGlobals() const = 0;
  virtual void SetResetGlobals(bool value) = 0;
  [[nodiscard]] virtual TTypeChecks TypeChecks() const = 0;
  virtual void SetTypeChecks(TTypeChecks value) = 0;
  [[nodiscard]] virtual TConstructWatches Watch() const = 0;
  virtual void SetWatch(TConstructWatches value) = 0;
};

}  // namespace vettora
