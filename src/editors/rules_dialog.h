#pragma once
// TRulesDialog: edits an engine's rules (with its templates and types) in
// the Rule Editor. Execute raises "Unknown/Undefined Inference Engine"
// without Engine and "Missing Rule cannot be edited" with MultiEdit off
// and no Rule. On OK, in this order: with MultiEdit the engine's rules are
// emptied; with EnableTypeEditor the defined types, with
// EnableFactTemplateEditor the templates are copied back; with MultiEdit
// the edited rules are copied in, otherwise the edited rule is assigned
// into Rule. An error while copying back reaches the caller; what was
// copied before it stays.

#include "editors/editor_dialog.h"

namespace vettora {

class TInferenceEngine;
class TRule;

class TRulesDialog : public TEditorDialog {
 public:
  explicit TRulesDialog(TComponent* owner = nullptr);
  ~TRulesDialog() override;
  [[nodiscard]] std::string ClassName() const override { return "TRulesDialog"; }

  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }
  void SetEngine(TInferenceEngine* engine);
  [[nodiscard]] TRule* Rule() const { return FRule; }
  void SetRule(TRule* rule);
  [[nodiscard]] bool MultiEdit() const { return FMultiEdit; }
  void SetMultiEdit(bool value) { FMultiEdit = value; }
  [[nodiscard]] bool EnableFactTemplateEditor() const { return FEnableFactTemplateEditor; }
  void SetEnableFactTemplateEditor(bool value) { FEnableFactTemplateEditor = value; }
  [[nodiscard]] bool EnableTypeEditor() const { return FEnableTypeEditor; }
  void SetEnableTypeEditor(bool value) { FEnableTypeEditor = value; }

  bool Execute() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TInferenceEngine* FEngine = nullptr;
  TRule* FRule = nullptr;
  bool FMultiEdit = true;
  bool FEnableFactTemplateEditor = true;
  bool FEnableTypeEditor = true;
};

}  // namespace vettora
