#pragma once
// TEditorKind: the kind of construct an editor window opens, saves and
// prints, with its default extension and the engine's per-kind load and
// save.

#include <QString>
#include <string>

namespace vettora {

class TInferenceEngine;

enum class TEditorKind { ekRules, ekFacts, ekFactTemplates, ekDefinedTypes };

// "ier", "ief", "iet", "ied".
[[nodiscard]] QString KindExtension(TEditorKind kind);
// The file dialogs' filter, e.g. "Rules (*.ier);;All Files (*)".
[[nodiscard]] QString KindFilter(TEditorKind kind);
// Loads the file into the engine the way the engine loads that kind:
// rules, templates and types replace the collection, facts are asserted.
// Raises as the engine does (EGStreamError, parse errors).
void LoadKind(TInferenceEngine& engine, TEditorKind kind, const std::string& fileName);
void SaveKind(TInferenceEngine& engine, TEditorKind kind, const std::string& fileName);
// What a save would write, for printing.
[[nodiscard]] std::string KindText(TInferenceEngine& engine, TEditorKind kind);

}  // namespace vettora
