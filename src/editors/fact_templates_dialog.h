#pragma once
// TFactTemplatesDialog: edits an engine's fact templates (and, with
// EnableTypeEditor, its defined types) in the Fact Template Editor. The
// editor receives the engine's defined types, functions and templates; on
// OK the types (when enabled) and then the templates are copied back.

#include "editors/editor_dialog.h"

namespace vettora {

class TInferenceEngine;

class TFactTemplatesDialog : public TEditorDialog {
 public:
  explicit TFactTemplatesDialog(TComponent* owner = nullptr);
  ~TFactTemplatesDialog() override;
  [[nodiscard]] std::string ClassName() const override { return "TFactTemplatesDialog"; }

  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }
  void SetEngine(TInferenceEngine* engine);
  [[nodiscard]] bool EnableTypeEditor() const { return FEnableTypeEditor; }
  void SetEnableTypeEditor(bool value) { FEnableTypeEditor = value; }

  bool Execute() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TInferenceEngine* FEngine = nullptr;
  bool FEnableTypeEditor = true;
};

}  // namespace vettora
