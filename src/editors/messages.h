#pragma once
// Message texts of the editor dialogs and windows, shared by code and tests.

namespace vettora {

inline constexpr const char* kEditorUnknownEngine = "Unknown/Undefined Inference Engine";
inline constexpr const char* kEditorMissingRule = "Missing Rule cannot be edited";
inline constexpr const char* kEditorEmptyFactSet = "Empty fact set property";
inline constexpr const char* kEditorDuplicateRule = "Duplicate Rules defined with same name: \"%s\"";
// Status bar texts of the editor windows.
inline constexpr const char* kEditorParseErrorAt = "Line %d: %s";
inline constexpr const char* kEditorParseErrorAtColumn = "Line %d, column %d: %s";
inline constexpr const char* kEditorOpened = "Opened %s";
inline constexpr const char* kEditorSaved = "Saved %s";
inline constexpr const char* kEditorCannotOpen = "Cannot open %s: %s";
inline constexpr const char* kEditorCannotSave = "Cannot save %s: %s";
inline constexpr const char* kEditorNotWrittenBack =
    "Nothing was written back: correct the text first";
// Fact Editor.
inline constexpr const char* kFactEditorOneFactOnly =
    "Only one fact can be edited at a time: remove the text after the first fact";
inline constexpr const char* kFactEditorNoFact = "The text holds no fact";
inline constexpr const char* kFactEditorNoSelection = "Select a fact in the list first";
inline constexpr const char* kFactEditorAdded = "Fact %d added";
inline constexpr const char* kFactEditorReplaced = "Fact %d replaced";
inline constexpr const char* kFactEditorDeleted = "Fact %d deleted";
inline constexpr const char* kFactEditorCleared = "All facts deleted";

// The type editor frame and the template and types editors.
inline constexpr const char* kEditorInvalidNumber = "Invalid %s: \"%s\" is not a number";
inline constexpr const char* kEditorInvalidCount = "Invalid %s: \"%s\" is not a whole number of elements";
inline constexpr const char* kEditorFuzzyRangeIncomplete =
    "The range of a fuzzy type needs both a minimum and a maximum";
inline constexpr const char* kEditorInvalidAllowedValue =
    "Allowed values must be symbols, strings, integers or floats: %s";
inline constexpr const char* kEditorIncompleteTerm = "Fuzzy term %d needs a name and a membership function";
inline constexpr const char* kEditorNameMissing = "Enter a name for the %s";
inline constexpr const char* kEditorNameNotRead = "Invalid %s name: \"%s\"";
inline constexpr const char* kEditorDuplicateSlot = "Duplicate slot name: \"%s\"";
inline constexpr const char* kEditorNoTypeSelected = "No defined type is selected";
inline constexpr const char* kEditorTypeAdded = "Added defined type %s";
inline constexpr const char* kEditorTypeReplaced = "Replaced defined type %s";
inline constexpr const char* kEditorTypeDeleted = "Deleted defined type %s";
inline constexpr const char* kEditorTemplateApplied = "Fact template %s updated";
inline constexpr const char* kEditorRulesDropped =
    "Fact template %s updated; rules that no longer read were removed: %s";
inline constexpr const char* kEditorTemplateDeleted = "Deleted fact template %s";
inline constexpr const char* kEditorSlotDeleted = "Deleted slot %s";
inline constexpr const char* kEditorUnbalanced = "Unbalanced parentheses in the %s: %s";

// Status texts of the Rule Editor.
inline constexpr const char* kEditorRuleAdded = "Added rule %s";
inline constexpr const char* kEditorRuleReplaced = "Replaced rule %s";
inline constexpr const char* kEditorRuleDeleted = "Deleted rule %s";
inline constexpr const char* kEditorRulesCleared = "Deleted every rule";

}  // namespace vettora
