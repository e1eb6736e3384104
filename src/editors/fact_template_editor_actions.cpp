// TFactTemplateEditor: the actions -- new template and slot, delete, the
// multislot toggle, the kind shortcuts, clearing, the Types Editor and
// filing the draft.
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "editors/defined_types_dialog.h"
#include "editors/fact_template_editor.h"
#include "editors/messages.h"
#include "editors/type_editor_frame.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "matching/rule_engine.h"
#include "ui_fact_template_editor.h"
#include "values/format.h"

namespace vettora {

bool TFactTemplateEditor::ApplyTemplate() {
  if (!FHasDraft || !FDirty) return true;
  IFactTemplate made;
  std::vector<std::string> dropped;
  try {
    made = FileTemplateDraft(FDraft, Engine(), &dropped);
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
  // Show what the parser made of the fields.
  int slot = FSlot;
  LoadDraft(*made);
  FSlot = std::min(slot, int(FDraft.Slots.size()) - 1);
  UpdateDraftNode(FSlot >= 0);
  ShowDraft();
  std::string rules;
  for (const std::string& name : dropped) rules += (rules.empty() ? "" : ", ") + name;
  ShowStatus(QString::fromStdString(
      dropped.empty() ? FormatMessage(kEditorTemplateApplied, {made->Name()})
                      : FormatMessage(kEditorRulesDropped, {made->Name(), rules})));
  return true;
}

bool TFactTemplateEditor::CommitPending() { return ApplyTemplate(); }

void TFactTemplateEditor::NewTemplate() {
  if (!ApplyTemplate()) return;
  DiscardUnfiledNode();
  DropDraft();
  FHasDraft = true;
  FDraftItem = new QTreeWidgetItem(FUi->TemplateTree);
  UpdateDraftNode(false);
  ShowDraft();
  FUi->TemplateName->setFocus();
}

void TFactTemplateEditor::NewSlot() {
  if (!FHasDraft) return;
  FDraft.Slots.push_back(NewSlotDraft(FDraft));
  FSlot = int(FDraft.Slots.size()) - 1;
  FDirty = true;
  UpdateDraftNode(true);
  ShowSlot();
  FUi->SlotName->setFocus();
  FUi->SlotName->selectAll();
}

void TFactTemplateEditor::Delete() {
  if (!FHasDraft) return;
  QTreeWidgetItem* current = FUi->TemplateTree->currentItem();
  if (current && current->parent() == FDraftItem && Slot()) {
    std::string name = Slot()->Name;
    FDraft.Slots.erase(FDraft.Slots.begin() + FSlot);
    FSlot = std::min(FSlot, int(FDraft.Slots.size()) - 1);
    FDirty = true;
    UpdateDraftNode(FSlot >= 0);
    ShowSlot();
    ShowStatus(QString::fromStdString(FormatMessage(kEditorSlotDeleted, {name})));
    return;
  }
  std::string name = FDraft.OriginalName;
  if (!name.empty()) Engine().FactTemplates().Remove(name);
  DropDraft();
  FillTree();
  ShowDraft();
  if (!name.empty())
    ShowStatus(QString::fromStdString(FormatMessage(kEditorTemplateDeleted, {name})));
}

void TFactTemplateEditor::SetMultiSlot(bool multi) {
  TSlotDraft* slot = Slot();
  if (!slot) return;
  slot->Multi = multi;
  FDirty = true;
  UpdateDraftNode(true);
  ShowSlot();
}

void TFactTemplateEditor::SelectAllTypes() { FUi->SlotTypeFrame->SelectAllKinds(); }
void TFactTemplateEditor::SelectNoTypes() { FUi->SlotTypeFrame->SelectNoKinds(); }

void TFactTemplateEditor::ClearTemplates() {
  std::vector<std::string> names;
  for (const auto& entry : Engine().FactTemplates().Table())
    if (entry.Key != kInitialFactName && entry.Key != kNotOrTestName) names.push_back(entry.Key);
  for (const std::string& name : names) Engine().FactTemplates().Remove(name);
  DropDraft();
  FillTree();
  ShowDraft();
}

// The Types Editor edits this window's working copy; templates that use a
// changed type are read again against it, so the draft is filed first and
// loaded again afterwards.
void TFactTemplateEditor::EditTypes() {
  if (!FEnableTypeEditor || !ApplyTemplate()) return;
  TDefinedTypesDialog dialog;
  dialog.SetEngine(&Engine());
  dialog.SetPrompts(SharedPrompts());
  dialog.SetParentWidget(this);
  if (!dialog.Execute()) return;
  std::string name = FDraft.OriginalName;
  int slot = FSlot;
  DropDraft();
  FUi->SlotTypeFrame->RefreshAncestors();
  FillTree();
  if (Engine().FactTemplates().Find(name)) {
    SelectTemplate(name);
    SelectSlot(slot);
  }
  ShowDraft();
}

}  // namespace vettora
