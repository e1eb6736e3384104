#pragma once
// TFactEditor: the "Fact Editor" window. The facts of its working copy in a
// list sortable by index or template name; a combo box of the template the
// edited fact is based on; the fact's slots in a grid (page "Slot") or as
// free text (page "Freeform"). Actions: New (Ctrl+N), Add, Replace
// (Ctrl+R), Delete (Ctrl+D), Clear Facts, Edit Fact Templates..., Edit
// Defined Types...
//
// The working copy's fact list, in its order, is what the fact-set dialog
// writes back.

#include <memory>

#include "editors/editor_window.h"

namespace Ui {
class TFactEditor;
}

namespace vettora {

class TFactEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TFactEditor(QWidget* parent = nullptr);
  ~TFactEditor() override;

  void SetEnableFactTemplateEditor(bool value);
  void SetEnableTypeEditor(bool value);

  void Refresh() override;
  bool CommitPending() override;

  // ---- Actions.
  void NewFact();
  bool AddFact();
  bool ReplaceFact();
  void DeleteFact();
  void ClearFacts();
  void EditFactTemplates();
  void EditDefinedTypes();

 private:
  std::unique_ptr<Ui::TFactEditor> FUi;
  bool FEnableFactTemplateEditor = true;
  bool FEnableTypeEditor = true;
};

}  // namespace vettora
