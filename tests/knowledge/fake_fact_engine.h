#pragma once
// A stand-in engine for fact tests: settable settings, a log of every
// network call and event in order, and the printed output.

#include <string>
#include <vector>

#include "knowledge/fact.h"
#include "knowledge/fact_engine.h"
#include "knowledge/fact_list.h"
#include "knowledge/fact_template.h"

namespace vettora {

class TFakeFactEngine : public IFactEngine {
 public:
  TTypeChecks Checks{tcStatic};
  bool Duplication = false;
  TFuzzyCorrelationMethod Correlation = fcmMinimum;
  TFuzzyInferenceMethod Inference = fimMinMax;
  int32_t Counter = 0;        // used when no list is attached
  TFactList* List = nullptr;  // answers NextFactId when set
  bool Watching = false;
  bool Firing = false;
  double Strength = 1.0;
  bool CorrelationDone = false;
  bool InferenceDone = false;
  IEvalContext* Context = nullptr;
  std::vector<std::string> Log;
  std::string Output;

  TTypeChecks TypeChecks() const override { return Checks; }
  bool FactDuplication() const override { return Duplication; }
  TFuzzyCorrelationMethod FuzzyCorrelationMethod() const override { return Correlation; }
  TFuzzyInferenceMethod FuzzyInferenceMethod() const override { return Inference; }
  int32_t NextFactId() const override { return List ? List->NextId() : Counter; }
  bool WatchingFacts() const override { return Watching; }
  void PrintOut(const std::string& outId, const std::string& text) override {
    Output += "[" + outId + "]" + text;
  }
  void ReteAddFact(const IFact& f) override { Log.push_back("add " + std::to_string(f->ID())); }
  void ReteRemoveFact(const IFact& f) override {
    Log.push_back("remove " + std::to_string(f->ID()));
  }
  void ReteClearFacts() override { Log.push_back("clear"); }
  void FactAsserted(const IFact& f) override {
    Log.push_back("asserted " + std::to_string(f->ID()));
  }
  void FactRetracting(const IFact& f) override {
    Log.push_back("retracting " + std::to_string(f->ID()));
  }
  void FactsCleared() override { Log.push_back("cleared"); }
  bool FuzzyCorrelationDone(const IFact&, double s) override {
    Log.push_back("correlation " + std::to_string(s));
    return CorrelationDone;
  }
  bool FuzzyInferenceDone(const IFact&, const IFact&) override {
    Log.push_back("inference");
    return InferenceDone;
  }
  bool FiringStrength(double& s) const override {
    s = Strength;
    return Firing;
  }
  IFactTemplate FindTemplate(const std::string&) override { return nullptr; }
  IFactTemplate FindOrCreateTemplate(const std::string& name) override {
    return MakeRef<TFactTemplate>(name, this);
  }
  void RenameFactTemplate(TFactTemplate&, const std::string& from, const std::string& to) override {
    Log.push_back("rename " + from + " " + to);
  }
  IIEDefinedType FindDefinedType(const std::string&) override { return nullptr; }
  IEvalContext* GlobalContext() override { return Context; }
  std::string PrintTemplateSlot(const TFactSlot&) override { return "<slot>"; }
  std::string PrintFactTemplate(const TFactTemplate&) override { return "<template>"; }
  IIEValue ParseValue(const std::string&) override { return nullptr; }
  IFact ParseFact(const std::string&) override { return nullptr; }
};

}  // namespace vettora
