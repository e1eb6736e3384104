#pragma once
// Message templates of the knowledge base (templates, facts, fact sets and
// defined types), shared by code and tests.

namespace vettora {

// ---- Defined types --------------------------------------------------------
inline constexpr const char* kTypeInheritanceLoop =
    "Type inheritance loop detected, %s type cannot be an ancestor of itself";
inline constexpr const char* kCannotMixFuzzyType =
    "Cannot mix fuzzy type with other primitive types";
inline constexpr const char* kTypeCannotContainConstraint =
    "Defined Type %s cannot contain %s constraint types";
inline constexpr const char* kTypeDoesNotHaveConstraint =
    "Defined Type %s does not have %s constraints";
inline constexpr const char* kValueNotValid = "Value \"%s\" is not valid, %s";
inline constexpr const char* kMultislotCardinality =
    "Multislot must have between %d and %d elements";
inline constexpr const char* kInvalidFuzzyValue = "invalid fuzzy value";
inline constexpr const char* kNotInAllowedValues = "Not in allowed values";
inline constexpr const char* kRangeMustBeBetween = "Range must be between %.4f and %.4f";
// ---- end of defined types --------------------------------------------------

// ---- Fact templates, slots, facts and the fact list -----------------------
inline constexpr const char* kForbiddenNameCharacter =
    "Invalid name \"%s\": the character '%s' is not allowed";
inline constexpr const char* kDuplicateSlotName = "Slot name already exists: \"%s\"";
inline constexpr const char* kBadSlotName = "Bad Slot Name: %s";
inline constexpr const char* kBadSlotType = "Bad Slot Type";
inline constexpr const char* kInvalidMultislotDefault =
    "Invalid default value for a multislot, must be a multifield: %s";
inline constexpr const char* kInvalidDefaultSlotValue = "Invalid default slot value: %s";
inline constexpr const char* kExistingSlotNotMultislot =
    "Invalid value for existing slot, slot is not multislot";
inline constexpr const char* kExistingMultislotNotSlot =
    "Invalid value for existing slot, multislot is not slot";
inline constexpr const char* kNoSuchSlotName = "No such slot name: \"%s\"";
inline constexpr const char* kSlotMixesFuzzyType =
    "Cannot mix fuzzy type with other primitive types";
inline constexpr const char* kSlotValueNotValid = "Value \"%s\" is not valid, %s";
inline constexpr const char* kSlotTypeError = "%s for %s slot";
inline constexpr const char* kSlotNotAType = "Not a %s type.  Value (%s) is a %s type";
inline constexpr const char* kFactTemplateMissing = "Fact Template is missing";
inline constexpr const char* kFactTemplatesDifferent =
    "Unable to assign slot values, fact templates are different: %s and %s";
inline constexpr const char* kNoSuchFactId = "No Such Fact with ID=%s exists";
inline constexpr const char* kFactIdOverflow = "Integer overflow";
inline constexpr const char* kNotAFuzzyFact = "Fact is not a fuzzy fact";
inline constexpr const char* kCannotUnionFacts =
    "Cannot union two facts with different fact templates: %s and %s";
// ---- end of fact templates, slots, facts and the fact list -----------------

}  // namespace vettora
