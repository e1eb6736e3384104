#pragma once
// TFactTemplateEditor: the "Fact Template Editor" window. A tree of the
// templates of its working copy; the template's name and comment; the
// selected slot's name, default, the dynamic-default check box and a type
// editor frame for the slot's type. Actions: New Fact Template (Ctrl+N),
// New Slot, Delete (slot or template), MultiSlot, Select all slot types,
// Select no types, Clear Fact Templates, Edit Types.

#include <memory>

#include "editors/editor_window.h"

namespace Ui {
class TFactTemplateEditor;
}

namespace vettora {

class TFactTemplateEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TFactTemplateEditor(QWidget* parent = nullptr);
  ~TFactTemplateEditor() override;

  void SetEnableTypeEditor(bool value);

  void Refresh() override;
  bool CommitPending() override;

 private:
  std::unique_ptr<Ui::TFactTemplateEditor> FUi;
  bool FEnableTypeEditor = true;
};

}  // namespace vettora
