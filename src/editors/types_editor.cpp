#include "editors/types_editor.h"

#include <QSignalBlocker>
#include <QToolBar>
#include <QTreeWidget>
#include <vector>

#include "editors/messages.h"
#include "editors/type_editor_frame.h"
#include "editors/window_actions.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/tree_node.h"
#include "ui_types_editor.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

void AddTreeNodes(QTreeWidgetItem& parent, const TTreeNode& node) {
  for (const TTreeNode& child : node.Children) {
    auto* item = new QTreeWidgetItem(&parent, {QString::fromStdString(child.Text)});
    AddTreeNodes(*item, child);
  }
}

}  // namespace

TTypesEditor::TTypesEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekDefinedTypes, "Types Editor", parent),
      FUi(std::make_unique<Ui::TTypesEditor>()) {
  FUi->setupUi(Content());
  FUi->Splitter->setStretchFactor(1, 1);
  FUi->Splitter->setSizes({260, 640});
  FUi->TypeFrame->SetEngine(&Engine());
  resize(960, 720);
  BuildMenus();
  connect(FUi->TypeTree, &QTreeWidget::currentItemChanged, this,
          &TTypesEditor::TreeSelectionChanged);
  connect(FUi->TypeFrame, &TTypeEditorFrame::Changed, this, [this] { FDirty = true; });
}

TTypesEditor::~TTypesEditor() = default;

TTypeEditorFrame* TTypesEditor::Frame() const { return FUi->TypeFrame; }
QTreeWidget* TTypesEditor::Tree() const { return FUi->TypeTree; }

void TTypesEditor::BuildMenus() {
  QMenu& menu = *AddMenu("&Type");
  for (QAction* action :
       {FUi->actNewType, FUi->actAddType, FUi->actReplaceType, FUi->actDeleteType})
    AddWindowAction(*this, menu, action);
  menu.addSeparator();
  for (QAction* action : {FUi->actExpandAll, FUi->actCollapseAll})
    AddWindowAction(*this, menu, action);
  menu.addSeparator();
  AddWindowAction(*this, menu, FUi->actClearTypes);
  ToolBar()->addSeparator();
  for (QAction* action :
       {FUi->actNewType, FUi->actAddType, FUi->actReplaceType, FUi->actDeleteType})
    ToolBar()->addAction(action);
  connect(FUi->actNewType, &QAction::triggered, this, &TTypesEditor::NewType);
  connect(FUi->actAddType, &QAction::triggered, this, &TTypesEditor::AddType);
  connect(FUi->actReplaceType, &QAction::triggered, this, &TTypesEditor::ReplaceType);
  connect(FUi->actDeleteType, &QAction::triggered, this, &TTypesEditor::DeleteType);
  connect(FUi->actExpandAll, &QAction::triggered, this, &TTypesEditor::ExpandAll);
  connect(FUi->actCollapseAll, &QAction::triggered, this, &TTypesEditor::CollapseAll);
  connect(FUi->actClearTypes, &QAction::triggered, this, &TTypesEditor::ClearTypes);
}

// ---- Tree --------------------------------------------------------------------------

void TTypesEditor::Refresh() {
  FillTree();
  NewType();
}

void TTypesEditor::FillTree() {
  QSignalBlocker block(FUi->TypeTree);
  FUi->TypeTree->clear();
  TTreeNode root;
  Engine().DefinedTypes().CopyToTree(root);
  AddTreeNodes(*FUi->TypeTree->invisibleRootItem(), root);
  FUi->TypeFrame->RefreshAncestors();
}

void TTypesEditor::SelectType(const std::string& name) {
  QString text = QString::fromStdString(name);
  for (int i = 0; i < FUi->TypeTree->topLevelItemCount(); ++i)
    if (FUi->TypeTree->topLevelItem(i)->text(0) == text) {
      FUi->TypeTree->setCurrentItem(FUi->TypeTree->topLevelItem(i));
      return;
    }
}

std::string TTypesEditor::SelectedType() const {
  QTreeWidgetItem* item = FUi->TypeTree->currentItem();
  while (item && item->parent()) item = item->parent();
  return item ? item->text(0).toStdString() : std::string();
}

// Any line of a type selects the type; what was typed in the frame and not
// added is dropped, as with any list whose items are added explicitly.
void TTypesEditor::TreeSelectionChanged() {
  IIEDefinedType type = Engine().DefinedTypes().Find(SelectedType());
  if (!type) return;
  FUi->TypeFrame->Load(*type);
  FCurrent = type->Name();
  FDirty = false;
}

void TTypesEditor::ExpandAll() { FUi->TypeTree->expandAll(); }
void TTypesEditor::CollapseAll() { FUi->TypeTree->collapseAll(); }

// ---- Editing -----------------------------------------------------------------------

void TTypesEditor::NewType() {
  {
    QSignalBlocker block(FUi->TypeTree);
    FUi->TypeTree->setCurrentItem(nullptr);
  }
  FUi->TypeFrame->Clear();
  FCurrent.clear();
  FDirty = false;
}

IIEDefinedType TTypesEditor::ParseFrame() {
  try {
    std::string name = TrimmedText(FUi->TypeFrame->Fields().Name);
    IIEDefinedType type = Engine().Parser().ParseDefinedType(FUi->TypeFrame->Text());
    if (!type || type->Name() != name)
      throw EIEException(FormatMessage(kEditorNameNotRead, {"defined type", name}));
    return type;
  } catch (const std::exception& error) {
    ShowError(error);
    return {};
  }
}

bool TTypesEditor::Refuse(const std::string& message) {
  ShowStatus(QString::fromStdString(message));
  return false;
}

void TTypesEditor::Filed(const std::string& name, const char* message) {
  FillTree();
  SelectType(name);
  FCurrent = name;
  FDirty = false;
  ShowStatus(QString::fromStdString(FormatMessage(message, {name})));
}

bool TTypesEditor::AddType() {
  IIEDefinedType type = ParseFrame();
  if (!type) return false;
  if (Engine().DefinedTypes().Find(type->Name()))
    return Refuse(FormatMessage(kDefinedTypeNameExists, {type->Name()}));
  try {
    Engine().DefinedTypes().Add(type);
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
  Filed(type->Name(), kEditorTypeAdded);
  return true;
}

bool TTypesEditor::ReplaceType() {
  IIEDefinedType old = FCurrent.empty() ? IIEDefinedType() : Engine().DefinedTypes().Find(FCurrent);
  if (!old) return Refuse(kEditorNoTypeSelected);
  IIEDefinedType type = ParseFrame();
  if (!type) return false;
  if (type->Name() != old->Name() && Engine().DefinedTypes().Find(type->Name()))
    return Refuse(FormatMessage(kDefinedTypeNameExists, {type->Name()}));
  try {
    Engine().DefinedTypes().Replace(old, type);
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
  Filed(type->Name(), kEditorTypeReplaced);
  return true;
}

void TTypesEditor::DeleteType() {
  std::string name = SelectedType();
  if (name.empty() || !Engine().DefinedTypes().Remove(name)) {
    ShowStatus(kEditorNoTypeSelected);
    return;
  }
  FillTree();
  NewType();
  ShowStatus(QString::fromStdString(FormatMessage(kEditorTypeDeleted, {name})));
}

void TTypesEditor::ClearTypes() {
  std::vector<std::string> names;
  for (const auto& entry : Engine().DefinedTypes().Table()) names.push_back(entry.Key);
  // One by one, so that the templates using them go as well.
  for (const std::string& name : names) Engine().DefinedTypes().Remove(name);
  FillTree();
  NewType();
}

bool TTypesEditor::CommitPending() {
  if (!FDirty) return true;
  bool loaded = !FCurrent.empty() && Engine().DefinedTypes().Find(FCurrent);
  return loaded ? ReplaceType() : AddType();
}

}  // namespace vettora
