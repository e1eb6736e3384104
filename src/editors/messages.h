#pragma once
// Message texts of the editor dialogs and windows, shared by code and tests.

namespace vettora {

inline constexpr const char* kEditorUnknownEngine = "Unknown/Undefined Inference Engine";
inline constexpr const char* kEditorMissingRule = "Missing Rule cannot be edited";
inline constexpr const char* kEditorEmptyFactSet = "Empty fact set property";
inline constexpr const char* kEditorDuplicateRule = "Duplicate Rules defined with same name: \"%s\"";
// Status bar texts of the editor windows.
inline constexpr const char* kEditorParseErrorAt = "Line %d: %s";
inline constexpr const char* kEditorOpened = "Opened %s";
inline constexpr const char* kEditorSaved = "Saved %s";
inline constexpr const char* kEditorCannotOpen = "Cannot open %s: %s";
inline constexpr const char* kEditorCannotSave = "Cannot save %s: %s";
inline constexpr const char* kEditorNotWrittenBack =
    "Nothing was written back: correct the text first";

}  // namespace vettora
