#include "editors/editor_kind.h"

#include "engine/inference_engine.h"
#include "reader/string_stream.h"

namespace vettora {

QString KindExtension(TEditorKind kind) {
  switch (kind) {
    case TEditorKind::ekRules: return "ier";
    case TEditorKind::ekFacts: return "ief";
    case TEditorKind::ekFactTemplates: return "iet";
    case TEditorKind::ekDefinedTypes: return "ied";
  }
  return {};
}

QString KindFilter(TEditorKind kind) {
  static const char* const kNames[] = {"Rules", "Facts", "Fact Templates", "Defined Types"};
  return QString("%1 (*.%2);;All Files (*)").arg(kNames[int(kind)], KindExtension(kind));
}

void LoadKind(TInferenceEngine& engine, TEditorKind kind, const std::string& fileName) {
  switch (kind) {
    case TEditorKind::ekRules: engine.LoadRulesFromFile(fileName); break;
    case TEditorKind::ekFacts: engine.LoadFactsFromFile(fileName); break;
    case TEditorKind::ekFactTemplates: engine.LoadFactTemplatesFromFile(fileName); break;
    case TEditorKind::ekDefinedTypes: engine.LoadDefinedTypesFromFile(fileName); break;
  }
}

void SaveKind(TInferenceEngine& engine, TEditorKind kind, const std::string& fileName) {
  switch (kind) {
    case TEditorKind::ekRules: engine.SaveRulesToFile(fileName); break;
    case TEditorKind::ekFacts: engine.SaveFactsToFile(fileName); break;
    case TEditorKind::ekFactTemplates: engine.SaveFactTemplatesToFile(fileName); break;
    case TEditorKind::ekDefinedTypes: engine.SaveDefinedTypesToFile(fileName); break;
  }
}

std::string KindText(TInferenceEngine& engine, TEditorKind kind) {
  TStringStream stream;
  switch (kind) {
    case TEditorKind::ekRules: engine.SaveRulesToStream(stream); break;
    case TEditorKind::ekFacts: engine.SaveFactsToStream(stream); break;
    case TEditorKind::ekFactTemplates: engine.SaveFactTemplatesToStream(stream); break;
    case TEditorKind::ekDefinedTypes: engine.SaveDefinedTypesToStream(stream); break;
  }
  return stream.DataString();
}

}  // namespace vettora
