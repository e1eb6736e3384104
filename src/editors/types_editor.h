#pragma once
// TTypesEditor: the "Types Editor" window. A tree of the defined types of
// its working copy and the type editor frame (name, ancestor type, units,
// comment, admitted kinds, range, allowed values, fuzzy terms). Actions:
// New Defined Type (Ctrl+N), Add Type (Ctrl+A), Replace Type (Ctrl+R),
// Delete Type (Ctrl+D), Expand All, Collapse All, Clear Defined Types.
//
// Selecting a type shows it in the frame; Add and Replace read the frame's
// text with the engine's parser and file the result, so a type that does
// not read changes nothing and leaves its message in the status bar.

#include <memory>
#include <string>

#include "editors/editor_window.h"
#include "knowledge/defined_type.h"

class QTreeWidget;

namespace Ui {
class TTypesEditor;
}

namespace vettora {

class TTypeEditorFrame;

class TTypesEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TTypesEditor(QWidget* parent = nullptr);
  ~TTypesEditor() override;

  void Refresh() override;
  // Adds the edited type (a new one) or replaces the one it was loaded
  // from, when the fields were changed; false, with the message shown,
  // when they do not make a type.
  bool CommitPending() override;

  // ---- The actions, also callable without the menus.
  void NewType();
  // Refuses a name that is taken ("Defined Type Name already exists").
  bool AddType();
  // Puts the edited type in place of the one shown; templates using it are
  // read again against the new one.
  bool ReplaceType();
  // Deletes the selected type with the templates that use it.
  void DeleteType();
  void ClearTypes();
  void ExpandAll();
  void CollapseAll();

  // The type the frame shows, empty for a new one; whether it was edited.
  [[nodiscard]] const std::string& CurrentType() const { return FCurrent; }
  [[nodiscard]] bool Dirty() const { return FDirty; }
  [[nodiscard]] TTypeEditorFrame* Frame() const;
  [[nodiscard]] QTreeWidget* Tree() const;
  // Selects the type's node, which shows the type in the frame.
  void SelectType(const std::string& name);

 private:
  void BuildMenus();
  void FillTree();
  void TreeSelectionChanged();
  [[nodiscard]] std::string SelectedType() const;
  // The frame's type read by the parser; empty, with the error shown, when
  // it does not read.
  [[nodiscard]] IIEDefinedType ParseFrame();
  bool Refuse(const std::string& message);
  void Filed(const std::string& name, const char* message);

  std::unique_ptr<Ui::TTypesEditor> FUi;
  std::string FCurrent;
  bool FDirty = false;
};

}  // namespace vettora
