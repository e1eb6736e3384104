#pragma once
// TIFuzzyVariable: a fuzzy variable gives fuzzy sets their universe of
// discourse [Minimum, Maximum] and a vocabulary of named terms.
//
// Variables are counted objects: create them with MakeRef and hold them by
// IFuzzyVariable. The variable holds its terms; a term keeps only a plain
// back pointer, so destroying the variable detaches the terms that are
// still held elsewhere. Sets attached to the variable without being terms
// hold it alive.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "fuzzy/fuzzy_parser.h"
#include "fuzzy/fuzzy_sets.h"
#include "values/value_links.h"

namespace vettora {

class TIFuzzyVariable;
using IFuzzyVariable = Ref<TIFuzzyVariable>;

class TIFuzzyVariable : public TFuzzyVariableBase {
 public:
  using TNotifyEvent = std::function<void(TIFuzzyVariable& sender)>;
  using TFuzzySetEvent = std::function<void(TIFuzzyVariable& sender, TFuzzySet& set)>;

  explicit TIFuzzyVariable(std::string name = "");
  ~TIFuzzyVariable() override;
  TIFuzzyVariable(const TIFuzzyVariable&) = delete;
  TIFuzzyVariable& operator=(const TIFuzzyVariable&) = delete;

  // Copies the properties and a copy of every term (events stay).
  virtual void Assign(const TIFuzzyVariable& source);
  [[nodiscard]] virtual IFuzzyVariable Clone() const;

  [[nodiscard]] const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  [[nodiscard]] const std::string& Units() const { return FUnits; }
  void SetUnits(const std::string& units) { FUnits = units; }
  [[nodiscard]] TFzyFloat Minimum() const { return FMinimum; }
  // Above Maximum, Maximum follows. NaN is ignored.
  void SetMinimum(TFzyFloat value);
  [[nodiscard]] TFzyFloat Maximum() const { return FMaximum; }
  // Below Minimum, Minimum follows. NaN is ignored.
  void SetMaximum(TFzyFloat value);
  [[nodiscard]] int32_t NumFunctionValues() const { return FNumFunctionValues; }
  void SetNumFunctionValues(int32_t value);
  [[nodiscard]] TDefuzzificationMethod DefuzzificationMethod() const {
    return FDefuzzificationMethod;
  }
  void SetDefuzzificationMethod(TDefuzzificationMethod value) { FDefuzzificationMethod = value; }
  [[nodiscard]] TFzyFloat Threshold() const { return FThreshold; }
  // Stored clamped into [0, 1]; a value that is not >= 0 stores 0.
  void SetThreshold(TFzyFloat value);
  [[nodiscard]] IFuzzyParser* Parser() const { return FParser; }
  void SetParser(IFuzzyParser* parser) { FParser = parser; }
  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  [[nodiscard]] const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
  [[nodiscard]] const TNotifyEvent& OnVariableChange() const { return FOnVariableChange; }
  void SetOnVariableChange(TNotifyEvent handler) { FOnVariableChange = std::move(handler); }
  [[nodiscard]] const TFuzzySetEvent& OnFuzzySetChange() const { return FOnFuzzySetChange; }
  void SetOnFuzzySetChange(TFuzzySetEvent handler) { FOnFuzzySetChange = std::move(handler); }

  // The terms, in term-number order.
  [[nodiscard]] const TIFuzzySets& Items() const { return FItems; }
  [[nodiscard]] IFuzzySet FindTerm(std::string_view name) const { return FItems.Find(name); }
  // A new empty term named `name`, replacing a term of that name.
  IFuzzySet AddTerm(const std::string& name);
  // Makes `set` a term under its own name (replacing a term of that name);
  // a set that is a term of another variable leaves that one first.
  void AddTerm(const IFuzzySet& set);
  // Removes the term; it stays usable, attached to this variable.
  void RemoveTerm(const TFuzzySet& set);
  void ClearTerms();
  // The "__Empty" term, created on first use.
  IFuzzySet EmptyTerm();
  // Creates "low", "medium" and "high" where missing.
  void AddAutoTerms();

  // Maximum defuzzification under dmMeanOfMaxima, moment otherwise.
  TFzyFloat Defuzzify(TFuzzySet& set) const;

  // The printed form of singletons owned by this variable:
  // "(" + "(x y) " per pair + ")", and the empty text for no pairs.
  [[nodiscard]] std::string SingletonsText(const TSingletonsVector& singletons) const override;

 protected:
  // A new empty set of the family this variable's terms belong to.
  [[nodiscard]] virtual IFuzzySet NewTerm() const;

 private:
  friend class TFuzzySet;

  void TermChanged(TFuzzySet& set);
  void TermRenamed(TFuzzySet& set, const std::string& oldName);
  void VariableChanged();
  void Unlink(const IFuzzySet& set);

  std::string FName;
  std::string FUnits;
  TFzyFloat FMinimum = 0;
  TFzyFloat FMaximum = 1.0;
  int32_t FNumFunctionValues = 7;
  TDefuzzificationMethod FDefuzzificationMethod = dmCenterOfGravity;
  TFzyFloat FThreshold = 0.01;
  IFuzzyParser* FParser = nullptr;
  int32_t FTag = 0;
  TIFuzzySets FItems;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnVariableChange;
  TFuzzySetEvent FOnFuzzySetChange;
};

// Throws "Invalid fuzzy set name, \"%s\" is a reserved word" for a hedge,
// arithmetic operator or and/or word.
void CheckFuzzyTermName(const std::string& name);

}  // namespace vettora
