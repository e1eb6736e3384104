#pragma once
// TFactEditor: the "Fact Editor" window. The facts of its working copy in a
// list sortable by index or template name; a combo box of the template the
// edited fact is based on; the fact's slots in a grid (page "Slot") or as
// free text (page "Freeform"). Actions: New (Ctrl+N), Add, Replace
// (Ctrl+R), Delete (Ctrl+D), Clear Facts, Edit Fact Templates..., Edit
// Defined Types...
//
// The working copy's fact list, in its order, is what the fact-set dialog
// writes back; every action rewrites that list in order (Add appends,
// Replace puts the new fact in the old one's place), while sorting only
// changes how the list is shown.
//
// The edited fact is typed into one page at a time; switching pages carries
// it over (Freeform to Slot through the parser, so a text that does not
// parse keeps the Freeform page with the error shown). A fact is made from
// its text with the working copy's parser, which checks each value against
// its slot: a text that does not parse is refused on the Freeform page
// with the cursor on the error's line, and the list stays as it was.

#include <memory>
#include <string>
#include <vector>

#include "editors/editor_window.h"
#include "knowledge/fact.h"

namespace Ui {
class TFactEditor;
}

class QTreeWidgetItem;

namespace vettora {

class TEditorDialog;

class TFactEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TFactEditor(QWidget* parent = nullptr);
  ~TFactEditor() override;

  void SetEnableFactTemplateEditor(bool value);
  void SetEnableTypeEditor(bool value);

  void Refresh() override;
  // A typed, not yet added change is added (no fact selected) or replaces
  // the selected fact; false when its text does not parse.
  bool CommitPending() override;

  // ---- Actions.
  void NewFact();
  bool AddFact();
  bool ReplaceFact();
  void DeleteFact();
  void ClearFacts();
  void EditFactTemplates();
  void EditDefinedTypes();

  // The list index of the fact under edit; -1 for a new fact.
  [[nodiscard]] int CurrentFact() const { return FCurrent; }
  // Whether the edit area holds typed changes not yet added or replaced.
  [[nodiscard]] bool Modified() const { return FDirty; }

 private:
  void BuildActions();
  QAction* AddFactAction(const QString& text, const QString& shortcut, const QString& hint,
                         const char* objectName);
  void ConnectControls();
  void UpdateActions();
  // Runs a nested template or type editor on the working copy; on OK the
  // list keeps its order, less the facts whose template is gone.
  void RunNested(TEditorDialog& dialog);

  // ---- The list.
  void FillTemplateCombo();
  void FillFactList();
  void SelectListItem(int index);
  void ListItemChanged(QTreeWidgetItem* item);
  // Writes `facts` into the working copy's list, shows it and loads the
  // fact at `select` (a new fact when it is -1).
  void StoreFacts(const std::vector<IFact>& facts, int select);

  // ---- The edit area.
  void LoadFact(int index);
  void ShowFact(const IFact& fact);
  void ShowTemplateDefaults();
  void SelectTemplate(const QString& name);
  void FillGrid(const IFact& fact);
  void TemplateChosen();
  void PageChanged(int page);
  bool CarryFreeformToGrid();
  [[nodiscard]] std::string GridText() const;
  [[nodiscard]] std::string EditedText() const;
  // The edited fact, parsed; null with the error shown on the Freeform page.
  [[nodiscard]] IFact ParseEdited();
  void MarkDirty();

  std::unique_ptr<Ui::TFactEditor> FUi;
  QAction* FActNew = nullptr;
  QAction* FActAdd = nullptr;
  QAction* FActReplace = nullptr;
  QAction* FActDelete = nullptr;
  QAction* FActClearFacts = nullptr;
  QAction* FActEditFactTemplates = nullptr;
  QAction* FActEditDefinedTypes = nullptr;
  bool FEnableFactTemplateEditor = true;
  bool FEnableTypeEditor = true;
  int FCurrent = -1;
  bool FDirty = false;
  // Set while the controls are filled by code, so that their change
  // signals are not taken for typing.
  bool FLoading = false;
  int FPage = 0;
};

}  // namespace vettora
