#pragma once
// TIEDefinedType: a named, reusable constraint on values -- the value kinds
// allowed, an optional numeric range, an optional cardinality for list
// values, units, and lists of allowed constants by kind. A type whose only
// kind is dtFuzzy is a fuzzy type instead: it holds a fuzzy variable whose
// terms give its values.
//
// Types are shared through the counted handle IIEDefinedType: the engine
// keeps the named ones, slots refer to them, and an implicit type (made for
// one slot's facets) belongs to that slot alone. Used on the engine's thread.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "fuzzy/fuzzy_variable.h"
#include "knowledge/allowed_value_list.h"
#include "knowledge/defined_type_reasoner.h"
#include "knowledge/value_constraints.h"
#include "values/counted.h"
#include "values/value.h"
#include "values/value_type.h"

namespace vettora {

class TIEDefinedType;
using IIEDefinedType = Ref<TIEDefinedType>;

class TIEDefinedType : public TCounted {
 public:
  using TChangeEvent = std::function<void(TIEDefinedType& sender)>;

  // The bounds that mean "no bound" (and print as an open bound).
  static constexpr double kNoMinRange = -2147483648.0;
  static constexpr double kNoMaxRange = 2147483647.0;
  static constexpr int32_t kNoMaxCardinality = 2147483647;
  static constexpr const char* kDefaultName = "implicit";

  // The kinds a new type allows: those of an untyped slot.
  [[nodiscard]] static TIETypes DefaultBaseTypes();

  // A type with the default settings. The reasoner formats the type and
  // supplies the fuzzy parser; it is not owned and may be null.
  explicit TIEDefinedType(IDefinedTypeReasoner* reasoner = nullptr);
  ~TIEDefinedType() override;
  TIEDefinedType(const TIEDefinedType&) = delete;
  TIEDefinedType& operator=(const TIEDefinedType&) = delete;

  [[nodiscard]] static IIEDefinedType Create(IDefinedTypeReasoner* reasoner = nullptr);

  [[nodiscard]] IDefinedTypeReasoner* Reasoner() const { return FReasoner; }

  // ---- Published properties. Every setter does nothing when the value is
  // unchanged; otherwise it stores the value and reports the change.
  [[nodiscard]] const std::string& Name() const { return FName; }
  void SetName(std::string_view name);
  [[nodiscard]] const std::string& Comment() const { return FComment; }
  void SetComment(std::string_view comment);

  // The type this one extends. Raises the inheritance-loop error, leaving
  // the ancestor as it was, when this type is in the new value's chain.
  // Setting an ancestor makes the type explicit (clears Implicit).
  [[nodiscard]] const IIEDefinedType& Ancestor() const { return FAncestor; }
  void SetAncestor(const IIEDefinedType& ancestor);

  // The allowed kinds. dtFuzzy cannot be mixed with other kinds; the
  // structural kinds (none, list, multifield variable, slot, multislot) are
  // never stored. Becoming exactly {dtFuzzy} creates a fuzzy variable named
  // after the type; leaving it drops the variable.
  [[nodiscard]] TIETypes BaseTypes() const { return FBaseTypes; }
  void SetBaseTypes(TIETypes types);

  // Which allowed-value lists are in force. A list is created empty when its
  // constraint is added and dropped, with its entries, when it is removed.
  [[nodiscard]] TValueConstraints Constraints() const { return FConstraints; }
  void SetConstraints(TValueConstraints constraints);

  [[nodiscard]] bool RangeLimited() const { return FRangeLimited; }
  void SetRangeLimited(bool limited);
  // Inclusive bounds; setting one drags the other along so that
  // MinRange <= MaxRange, and passes the bound on to the fuzzy variable.
  [[nodiscard]] double MinRange() const { return FMinRange; }
  void SetMinRange(double value);
  [[nodiscard]] double MaxRange() const { return FMaxRange; }
  void SetMaxRange(double value);

  [[nodiscard]] bool CardinalityLimited() const { return FCardinalityLimited; }
  void SetCardinalityLimited(bool limited);
  // Inclusive bounds on a list's length; negative values store 0, and
  // setting one drags the other along so that min <= max.
  [[nodiscard]] int32_t MinCardinality() const { return FMinCardinality; }
  void SetMinCardinality(int32_t value);
  [[nodiscard]] int32_t MaxCardinality() const { return FMaxCardinality; }
  void SetMaxCardinality(int32_t value);

  // Passed on to the fuzzy variable, when there is one.
  [[nodiscard]] const std::string& Units() const { return FUnits; }
  void SetUnits(std::string_view units);

  [[nodiscard]] bool Implicit() const { return FImplicit; }
  void SetImplicit(bool implicit);
  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag);

  // Called after every change (once at the end of an update bracket).
  [[nodiscard]] const TChangeEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TChangeEvent handler) { FOnChange = std::move(handler); }

  // The fuzzy variable of a fuzzy type, or empty. Setting one makes the
  // type exactly fuzzy, takes over the variable's range and units and gives
  // the variable the reasoner's fuzzy parser; a variable replaced by none
  // loses its parser.
  [[nodiscard]] const IFuzzyVariable& FuzzyVariable() const { return FFuzzyVariable; }
  void SetFuzzyVariable(const IFuzzyVariable& variable);

  // ---- Copying, inside one update bracket. Assign replaces this type's
  // allowed values by the source's; AssignFromInterface appends the
  // source's values to the lists this type keeps for the source's
  // constraints. The ancestor is taken only when both types share a
  // reasoner (it names a type of that engine), otherwise cleared; the fuzzy
  // variable is copied, not shared.
  void Assign(const TIEDefinedType& source);
  void AssignFromInterface(const TIEDefinedType& source);
  // A new type of the same reasoner, assigned from this one.
  [[nodiscard]] IIEDefinedType Clone() const;

  // ---- Allowed values.
  // The constraint a constant is checked against: atom, string, integer or
  // float by kind; an integer falls back to vcFloat, and a whole float that
  // fits 32 bits to vcInteger, when only the other one is in force. Any
  // other kind raises "Defined Type %s cannot contain %s constraint types".
  [[nodiscard]] TValueConstraint ConstraintKindOf(const TIEValue& value) const;
  // Entries of one list; 0 for a list that is not in force.
  [[nodiscard]] int32_t AllowedCount(TValueConstraint kind) const;
  // A new value holding entry i; raises "Defined Type %s does not have %s
  // constraints" when the list is not in force.
  [[nodiscard]] IIEValue AllowedItem(TValueConstraint kind, int32_t i) const;
  // Appends the value to its list unless an equal entry is there. Raises
  // when its constraint is not in force.
  void AddAllowedValue(const TIEValue& value);
  void AddAllowedValue(const IIEValue& value);
  // Removes the first entry that the value validates against; false when
  // there is none (also when its list is not in force).
  bool RemoveAllowedValue(const TIEValue& value);
  void DeleteAllowedItem(TValueConstraint kind, int32_t i);
  void ClearAllowed(TValueConstraint kind);
  void ClearAllAllowed();
  // Same constraints and, list by list, the same entries in the same order
  // (floats within 0.0001).
  [[nodiscard]] bool SameAllowedValues(const TIEDefinedType* other) const;
  [[nodiscard]] bool SameAllowedValues(const IIEDefinedType& other) const {
    return SameAllowedValues(other.Get());
  }
  // The allowed-values statement of the `deftype` text (empty without
  // constraints).
  [[nodiscard]] std::string AllowedValuesText() const;

  // ---- Validation. Never raises; an empty value counts as dtNone.
  [[nodiscard]] bool Validate(const TIEValue* value) const;
  [[nodiscard]] bool Validate(const IIEValue& value) const { return Validate(value.Get()); }
  // Empty for a valid value, otherwise the text that explains the rejection.
  [[nodiscard]] std::string ValidationMessage(const TIEValue* value) const;
  [[nodiscard]] std::string ValidationMessage(const IIEValue& value) const {
    return ValidationMessage(value.Get());
  }
  // A value the type accepts where possible: the first allowed constant,
  // a bound of the range, or the zero value of the first allowed kind; for
  // a multislot, a list of MinCardinality such values when the
  // cardinality is limited, otherwise a new empty list.
  [[nodiscard]] IIEValue DefaultValue(bool multislot) const;

  // The `deftype` text, written by the reasoner; empty without one.
  [[nodiscard]] std::string AsText() const;

  // ---- Update grouping: changes inside a bracket report once, at the end.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  [[nodiscard]] int32_t UpdateCount() const { return FUpdateCount; }

  // Keeps an update bracket open for its lifetime, so an exception cannot
  // leave it open. When unwinding, it still reports the change but lets no
  // error of the change handler escape.
  class TUpdateGuard {
   public:
    explicit TUpdateGuard(TIEDefinedType& type);
    ~TUpdateGuard() noexcept(false);
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;

   private:
    TIEDefinedType& FType;
    int FExceptions;
  };

 private:
  enum TRejection : uint8_t {
    rjNone,
    rjCardinality,
    rjElement,
    rjFuzzy,
    rjKind,
    rjNotAllowed,
    rjRange
  };

  void Changed();
  void CopyFrom(const TIEDefinedType& source, bool appendAllowed);
  void AppendAllowedFrom(const TIEDefinedType& source);
  void CheckAncestor(const TIEDefinedType* ancestor) const;
  [[noreturn]] void RaiseNoConstraint(TValueConstraint kind) const;

  [[nodiscard]] TRejection Rejection(const TIEValue* value, const TIEValue** element) const;
  [[nodiscard]] TRejection ScalarRejection(const TIEValue& value) const;
  [[nodiscard]] bool KindAllowed(TIEType kind) const;
  [[nodiscard]] bool InAllowedList(const TIEValue& value) const;
  [[nodiscard]] std::string KindRejectionText(const TIEValue& value) const;
  [[nodiscard]] IIEValue SingleDefault() const;
  [[nodiscard]] double RangeDefault() const;

  // The fuzzy side, kept together in defined_type_fuzzy.cpp.
  void CreateFuzzyVariable();
  void DropFuzzyVariable();
  void AdoptFuzzyVariable(const IFuzzyVariable& variable);
  void CopyFuzzyVariableFrom(const TIEDefinedType& source);
  void PassMinRangeToFuzzy();
  void PassMaxRangeToFuzzy();
  void PassUnitsToFuzzy();
  [[nodiscard]] bool IsOwnFuzzyValue(const TIEValue& value) const;
  [[nodiscard]] IIEValue EmptyFuzzyTerm() const;

  IDefinedTypeReasoner* FReasoner;  // not owned
  std::string FName = kDefaultName;
  std::string FComment;
  IIEDefinedType FAncestor;
  TIETypes FBaseTypes;
  TValueConstraints FConstraints;
  bool FRangeLimited = false;
  bool FCardinalityLimited = false;
  bool FImplicit = false;
  double FMinRange = kNoMinRange;
  double FMaxRange = kNoMaxRange;
  int32_t FMinCardinality = 0;
  int32_t FMaxCardinality = kNoMaxCardinality;
  std::string FUnits;
  int32_t FTag = 0;
  int32_t FUpdateCount = 0;
  TChangeEvent FOnChange;
  // One list per constraint in force, null otherwise.
  std::unique_ptr<TAllowedTextList> FAllowedAtoms;
  std::unique_ptr<TAllowedTextList> FAllowedStrings;
  std::unique_ptr<TAllowedIntegerList> FAllowedIntegers;
  std::unique_ptr<TAllowedFloatList> FAllowedFloats;
  IFuzzyVariable FFuzzyVariable;  // only while BaseTypes is {dtFuzzy}
};

}  // namespace vettora
