#pragma once
// TFactTemplateEditor: the "Fact Template Editor" window. A tree of the
// templates of its working copy; the template's name and comment; the
// selected slot's name, default, the dynamic-default check box and a type
// editor frame for the slot's type. Actions: New Fact Template (Ctrl+N),
// New Slot, Delete (slot or template), MultiSlot, Select all slot types,
// Select no types, Clear Fact Templates, Edit Types.
//
// The template under edit is a draft (TTemplateDraft). It is filed in the
// working copy -- written as text, read by the parser, put in place of the
// template it came from -- when another template is chosen, before a new
// one or the Types Editor, and on OK. A draft that does not read keeps the
// window on it with the message in the status bar.

#include <memory>
#include <string>

#include "editors/editor_window.h"
#include "editors/template_draft.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class TFactTemplateEditor;
}

namespace vettora {

class TTypeEditorFrame;

class TFactTemplateEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TFactTemplateEditor(QWidget* parent = nullptr);
  ~TFactTemplateEditor() override;

  // Enables the Edit Types action, which runs the Types Editor on the
  // working copy.
  void SetEnableTypeEditor(bool value);
  [[nodiscard]] bool EnableTypeEditor() const { return FEnableTypeEditor; }

  void Refresh() override;
  // Files the draft when it was changed.
  bool CommitPending() override;

  // ---- The actions, also callable without the menus.
  void NewTemplate();
  void NewSlot();
  // Deletes the selected slot from the draft, or the selected template
  // (with its facts and rules) from the working copy.
  void Delete();
  void SetMultiSlot(bool multi);
  void SelectAllTypes();
  void SelectNoTypes();
  void ClearTemplates();
  void EditTypes();
  // Files the draft if it was changed; false, with the message shown, when
  // it does not read.
  bool ApplyTemplate();

  // Chooses a template (filing the draft first) and one of its slots.
  void SelectTemplate(const std::string& name);
  void SelectSlot(int index);

  [[nodiscard]] bool HasDraft() const { return FHasDraft; }
  [[nodiscard]] const TTemplateDraft& Draft() const { return FDraft; }
  [[nodiscard]] bool Dirty() const { return FDirty; }
  [[nodiscard]] int CurrentSlot() const { return FSlot; }
  [[nodiscard]] QTreeWidget* Tree() const;
  [[nodiscard]] TTypeEditorFrame* SlotFrame() const;

 private:
  void BuildMenus();
  void ConnectActions();
  void ConnectFields();
  void FillTree();
  void UpdateDraftNode(bool selectSlot);
  void AddSlotNodes(QTreeWidgetItem& node, const TTemplateDraft& draft) const;
  void SelectDraftNode(bool selectSlot);
  void TreeSelectionChanged(QTreeWidgetItem* current);
  [[nodiscard]] QTreeWidgetItem* TemplateNode(const std::string& name) const;
  void LoadDraft(const TFactTemplate& factTemplate);
  void DropDraft();
  void DiscardUnfiledNode();
  void ShowDraft();
  void ShowSlot();
  void Edited();
  void UpdateActions();
  [[nodiscard]] TSlotDraft* Slot();

  std::unique_ptr<Ui::TFactTemplateEditor> FUi;
  bool FEnableTypeEditor = true;
  bool FHasDraft = false;
  bool FDirty = false;
  bool FLoading = false;
  TTemplateDraft FDraft;
  int FSlot = -1;
  QTreeWidgetItem* FDraftItem = nullptr;  // owned by the tree
};

}  // namespace vettora
