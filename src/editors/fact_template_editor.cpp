// TFactTemplateEditor: the window, its tree and the fields of the draft.
#include "editors/fact_template_editor.h"

#include <QSignalBlocker>
#include <QToolBar>
#include <QTreeWidget>

#include "editors/type_editor_frame.h"
#include "editors/window_actions.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "matching/rule_engine.h"
#include "ui_fact_template_editor.h"

namespace vettora {

namespace {

// Template nodes carry the name the template is filed under (empty for a
// draft not filed yet); slot nodes their index in the draft's slots.
constexpr int kNameRole = Qt::UserRole;
constexpr int kSlotRole = Qt::UserRole + 1;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString SlotNodeText(const TSlotDraft& slot) {
  return Q(slot.Name) + (slot.Multi ? " (multislot)" : "");
}

QString TemplateNodeText(const TTemplateDraft& draft) {
  return draft.Name.empty() ? QString("(new fact template)") : Q(draft.Name);
}

// The engine's own templates (of the initial fact and of the negation
// placeholder) are not the user's to edit.
bool IsEngineTemplate(const std::string& name) {
  return name == kInitialFactName || name == kNotOrTestName;
}

}  // namespace

TFactTemplateEditor::TFactTemplateEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekFactTemplates, "Fact Template Editor", parent),
      FUi(std::make_unique<Ui::TFactTemplateEditor>()) {
  FUi->setupUi(Content());
  FUi->Splitter->setStretchFactor(1, 1);
  FUi->Splitter->setSizes({240, 660});
  FUi->SlotTypeFrame->SetSlotMode(true);
  FUi->SlotTypeFrame->SetEngine(&Engine());
  BuildMenus();
  ConnectActions();
  ConnectFields();
  resize(960, 760);
  UpdateActions();
}

TFactTemplateEditor::~TFactTemplateEditor() = default;

QTreeWidget* TFactTemplateEditor::Tree() const { return FUi->TemplateTree; }
TTypeEditorFrame* TFactTemplateEditor::SlotFrame() const { return FUi->SlotTypeFrame; }

void TFactTemplateEditor::SetEnableTypeEditor(bool value) {
  FEnableTypeEditor = value;
  UpdateActions();
}

void TFactTemplateEditor::BuildMenus() {
  QMenu& templates = *AddMenu("&Template");
  for (QAction* action : {FUi->actNewTemplate, FUi->actNewSlot, FUi->actDelete, FUi->actMultiSlot})
    AddWindowAction(*this, templates, action);
  templates.addSeparator();
  AddWindowAction(*this, templates, FUi->actClearTemplates);
  QMenu& types = *AddMenu("&Type");
  for (QAction* action : {FUi->actSelectAllTypes, FUi->actSelectNoTypes})
    AddWindowAction(*this, types, action);
  types.addSeparator();
  AddWindowAction(*this, types, FUi->actEditTypes);
  ToolBar()->addSeparator();
  for (QAction* action :
       {FUi->actNewTemplate, FUi->actNewSlot, FUi->actDelete, FUi->actMultiSlot, FUi->actEditTypes})
    ToolBar()->addAction(action);
}

void TFactTemplateEditor::ConnectActions() {
  connect(FUi->actNewTemplate, &QAction::triggered, this, &TFactTemplateEditor::NewTemplate);
  connect(FUi->actNewSlot, &QAction::triggered, this, &TFactTemplateEditor::NewSlot);
  connect(FUi->actDelete, &QAction::triggered, this, &TFactTemplateEditor::Delete);
  connect(FUi->actMultiSlot, &QAction::triggered, this, &TFactTemplateEditor::SetMultiSlot);
  connect(FUi->actSelectAllTypes, &QAction::triggered, this, &TFactTemplateEditor::SelectAllTypes);
  connect(FUi->actSelectNoTypes, &QAction::triggered, this, &TFactTemplateEditor::SelectNoTypes);
  connect(FUi->actClearTemplates, &QAction::triggered, this, &TFactTemplateEditor::ClearTemplates);
  connect(FUi->actEditTypes, &QAction::triggered, this, &TFactTemplateEditor::EditTypes);
  connect(FUi->TemplateTree, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { TreeSelectionChanged(current); });
}

// Every edit goes straight into the draft.
void TFactTemplateEditor::ConnectFields() {
  connect(FUi->TemplateName, &QLineEdit::textEdited, this, [this](const QString& text) {
    FDraft.Name = text.toStdString();
    if (FDraftItem) FDraftItem->setText(0, TemplateNodeText(FDraft));
    Edited();
  });
  connect(FUi->TemplateComment, &QLineEdit::textEdited, this, [this](const QString& text) {
    FDraft.Comment = text.toStdString();
    Edited();
  });
  connect(FUi->SlotName, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!Slot()) return;
    Slot()->Name = text.toStdString();
    if (FDraftItem && FSlot < FDraftItem->childCount())
      FDraftItem->child(FSlot)->setText(0, SlotNodeText(*Slot()));
    Edited();
  });
  connect(FUi->SlotDefault, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (Slot()) Slot()->Default = text.toStdString();
    Edited();
  });
  connect(FUi->DynamicDefault, &QCheckBox::clicked, this, [this](bool checked) {
    if (Slot()) Slot()->Dynamic = checked;
    Edited();
  });
  connect(FUi->SlotTypeFrame, &TTypeEditorFrame::Changed, this, [this] {
    if (Slot()) Slot()->Type = FUi->SlotTypeFrame->Fields();
    Edited();
  });
}

void TFactTemplateEditor::Edited() {
  if (!FLoading && FHasDraft) FDirty = true;
}

TSlotDraft* TFactTemplateEditor::Slot() {
  return FHasDraft && FSlot >= 0 && FSlot < int(FDraft.Slots.size()) ? &FDraft.Slots[size_t(FSlot)]
                                                                     : nullptr;
}

void TFactTemplateEditor::UpdateActions() {
  bool slot = FHasDraft && FSlot >= 0;
  FUi->actNewSlot->setEnabled(FHasDraft);
  FUi->actDelete->setEnabled(FHasDraft);
  FUi->actMultiSlot->setEnabled(slot);
  FUi->actSelectAllTypes->setEnabled(slot);
  FUi->actSelectNoTypes->setEnabled(slot);
  FUi->actEditTypes->setEnabled(FEnableTypeEditor);
}

// ---- Tree --------------------------------------------------------------------------

void TFactTemplateEditor::Refresh() {
  DropDraft();
  FUi->SlotTypeFrame->RefreshAncestors();
  FillTree();
  if (FUi->TemplateTree->topLevelItemCount() > 0)
    FUi->TemplateTree->setCurrentItem(FUi->TemplateTree->topLevelItem(0));
  ShowDraft();
}

void TFactTemplateEditor::FillTree() {
  QSignalBlocker block(FUi->TemplateTree);
  FUi->TemplateTree->clear();
  FDraftItem = nullptr;
  for (const auto& entry : Engine().FactTemplates().Table()) {
    if (IsEngineTemplate(entry.Key)) continue;
    auto* node = new QTreeWidgetItem(FUi->TemplateTree, {Q(entry.Value->Name())});
    node->setData(0, kNameRole, Q(entry.Value->Name()));
    if (FHasDraft && FDraft.OriginalName == entry.Value->Name())
      FDraftItem = node;
    else
      AddSlotNodes(*node, TemplateDraftOf(*entry.Value));
  }
  if (FHasDraft && !FDraftItem) FDraftItem = new QTreeWidgetItem(FUi->TemplateTree);
  UpdateDraftNode(true);
}

void TFactTemplateEditor::AddSlotNodes(QTreeWidgetItem& node, const TTemplateDraft& draft) const {
  for (size_t i = 0; i < draft.Slots.size(); ++i) {
    auto* child = new QTreeWidgetItem(&node, {SlotNodeText(draft.Slots[i])});
    child->setData(0, kSlotRole, int(i));
  }
}

// The draft's node shows the draft, not the template filed under its name.
void TFactTemplateEditor::UpdateDraftNode(bool selectSlot) {
  if (!FDraftItem) return;
  QSignalBlocker block(FUi->TemplateTree);
  FDraftItem->setText(0, TemplateNodeText(FDraft));
  FDraftItem->setData(0, kNameRole, Q(FDraft.OriginalName));
  qDeleteAll(FDraftItem->takeChildren());
  AddSlotNodes(*FDraftItem, FDraft);
  FDraftItem->setExpanded(true);
  SelectDraftNode(selectSlot);
}

void TFactTemplateEditor::SelectDraftNode(bool selectSlot) {
  if (!FDraftItem) return;
  QSignalBlocker block(FUi->TemplateTree);
  if (selectSlot && FSlot >= 0 && FSlot < FDraftItem->childCount())
    FUi->TemplateTree->setCurrentItem(FDraftItem->child(FSlot));
  else
    FUi->TemplateTree->setCurrentItem(FDraftItem);
}

QTreeWidgetItem* TFactTemplateEditor::TemplateNode(const std::string& name) const {
  for (int i = 0; i < FUi->TemplateTree->topLevelItemCount(); ++i)
    if (FUi->TemplateTree->topLevelItem(i)->data(0, kNameRole).toString() == Q(name))
      return FUi->TemplateTree->topLevelItem(i);
  return nullptr;
}

// Within the draft only the slot shown changes; another template is
// chosen only once the draft is filed, otherwise the draft stays selected.
void TFactTemplateEditor::TreeSelectionChanged(QTreeWidgetItem* current) {
  if (!current) return;
  QTreeWidgetItem* node = current->parent() ? current->parent() : current;
  int slot = current->parent() ? current->data(0, kSlotRole).toInt() : -1;
  if (node != FDraftItem) {
    std::string name = node->data(0, kNameRole).toString().toStdString();
    if (!ApplyTemplate()) {
      SelectDraftNode(true);
      return;
    }
    DiscardUnfiledNode();
    IFactTemplate factTemplate = Engine().FactTemplates().Find(name);
    if (!factTemplate) return;
    LoadDraft(*factTemplate);
    FDraftItem = node;
    UpdateDraftNode(false);
    FSlot = FDraft.Slots.empty() ? -1 : 0;
  }
  if (slot >= 0) FSlot = slot;
  SelectDraftNode(slot >= 0);
  ShowDraft();
}

// A new template left without an edit was never filed: its node goes.
void TFactTemplateEditor::DiscardUnfiledNode() {
  if (!FHasDraft || !FDraft.OriginalName.empty() || !FDraftItem) return;
  QSignalBlocker block(FUi->TemplateTree);
  delete FDraftItem;
  FDraftItem = nullptr;
}

void TFactTemplateEditor::SelectTemplate(const std::string& name) {
  if (QTreeWidgetItem* node = TemplateNode(name)) FUi->TemplateTree->setCurrentItem(node);
}

void TFactTemplateEditor::SelectSlot(int index) {
  if (FDraftItem && index >= 0 && index < FDraftItem->childCount())
    FUi->TemplateTree->setCurrentItem(FDraftItem->child(index));
}

// ---- The draft's fields ------------------------------------------------------------

void TFactTemplateEditor::LoadDraft(const TFactTemplate& factTemplate) {
  FDraft = TemplateDraftOf(factTemplate);
  FHasDraft = true;
  FDirty = false;
  FSlot = FDraft.Slots.empty() ? -1 : 0;
}

void TFactTemplateEditor::DropDraft() {
  FDraft = TTemplateDraft();
  FHasDraft = false;
  FDirty = false;
  FSlot = -1;
}

void TFactTemplateEditor::ShowDraft() {
  FLoading = true;
  FUi->TemplateBox->setEnabled(FHasDraft);
  FUi->TemplateName->setText(Q(FDraft.Name));
  FUi->TemplateComment->setText(Q(FDraft.Comment));
  FLoading = false;
  ShowSlot();
}

void TFactTemplateEditor::ShowSlot() {
  FLoading = true;
  const TSlotDraft* slot = Slot();
  FUi->SlotBox->setEnabled(slot != nullptr);
  FUi->SlotName->setText(slot ? Q(slot->Name) : QString());
  FUi->SlotDefault->setText(slot ? Q(slot->Default) : QString());
  FUi->DynamicDefault->setChecked(slot && slot->Dynamic);
  FUi->MultiSlotState->setText(slot && slot->Multi ? "A list of values (multislot)"
                                                   : "One value (slot)");
  FUi->actMultiSlot->setChecked(slot && slot->Multi);
  if (slot)
    FUi->SlotTypeFrame->SetFields(slot->Type);
  else
    FUi->SlotTypeFrame->Clear();
  FLoading = false;
  UpdateActions();
}

}  // namespace vettora
