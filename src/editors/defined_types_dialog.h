#pragma once
// TDefinedTypesDialog: edits an engine's defined types in the Types
// Editor; on OK they are copied back.

#include "editors/editor_dialog.h"

namespace vettora {

class TInferenceEngine;

class TDefinedTypesDialog : public TEditorDialog {
 public:
  explicit TDefinedTypesDialog(TComponent* owner = nullptr);
  ~TDefinedTypesDialog() override;
  [[nodiscard]] std::string ClassName() const override { return "TDefinedTypesDialog"; }

  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }
  void SetEngine(TInferenceEngine* engine);

  bool Execute() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TInferenceEngine* FEngine = nullptr;
};

}  // namespace vettora
