#pragma once
// TFactSetDialog: edits a fact set in the Fact Editor. Execute raises
// "Empty fact set property" without FactSet and "Unknown/Undefined
// Inference Engine" when the set has no engine. The editor works on a copy
// of the set's engine whose fact list holds exactly the set's facts, in
// the set's order. On OK the types and templates are copied back as
// enabled, then the set is emptied and takes each edited fact, in the
// editor's order, parsed again in the set's engine.

#include "editors/editor_dialog.h"

namespace vettora {

class TFactSet;

class TFactSetDialog : public TEditorDialog {
 public:
  explicit TFactSetDialog(TComponent* owner = nullptr);
  ~TFactSetDialog() override;
  [[nodiscard]] std::string ClassName() const override { return "TFactSetDialog"; }

  [[nodiscard]] TFactSet* FactSet() const { return FFactSet; }
  void SetFactSet(TFactSet* factSet);
  [[nodiscard]] bool EnableFactTemplateEditor() const { return FEnableFactTemplateEditor; }
  void SetEnableFactTemplateEditor(bool value) { FEnableFactTemplateEditor = value; }
  [[nodiscard]] bool EnableTypeEditor() const { return FEnableTypeEditor; }
  void SetEnableTypeEditor(bool value) { FEnableTypeEditor = value; }

  bool Execute() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TFactSet* FFactSet = nullptr;
  bool FEnableFactTemplateEditor = true;
  bool FEnableTypeEditor = true;
};

}  // namespace vettora
