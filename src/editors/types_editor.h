#pragma once
// TTypesEditor: the "Types Editor" window. A tree of the defined types of
// its working copy and the type editor frame (name, ancestor type, units,
// comment, admitted kinds, range, allowed values, fuzzy terms). Actions:
// New Defined Type (Ctrl+N), Add Type (Ctrl+A), Replace Type (Ctrl+R),
// Delete Type (Ctrl+D), Expand All, Collapse All, Clear Defined Types.

#include <memory>

#include "editors/editor_window.h"

namespace Ui {
class TTypesEditor;
}

namespace vettora {

class TTypesEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TTypesEditor(QWidget* parent = nullptr);
  ~TTypesEditor() override;

  void Refresh() override;
  bool CommitPending() override;

 private:
  std::unique_ptr<Ui::TTypesEditor> FUi;
};

}  // namespace vettora
