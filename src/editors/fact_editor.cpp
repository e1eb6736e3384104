#include "editors/fact_editor.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

#include "editors/defined_types_dialog.h"
#include "editors/fact_edit.h"
#include "editors/fact_templates_dialog.h"
#include "editors/fact_text.h"
#include "editors/messages.h"
#include "editors/rule_text_edit.h"
#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "matching/rule_engine.h"
#include "ui_fact_editor.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr int kSlotPage = 0;
constexpr int kFreeformPage = 1;
constexpr int kIndexRole = Qt::UserRole;
constexpr int kIndexColumn = 0;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Sets a flag for the life of the guard and restores the value it had.
class TFlagGuard {
 public:
  explicit TFlagGuard(bool& flag) : FFlag(flag), FSaved(flag) { flag = true; }
  ~TFlagGuard() { FFlag = FSaved; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

 private:
  bool& FFlag;
  bool FSaved;
};

// A row of the fact list. It remembers the fact's list index, so a sorted
// view still edits the right fact; index sorts as a number, and ties of
// template name or text keep the list order.
class TFactListItem : public QTreeWidgetItem {
 public:
  TFactListItem(int index, const QString& templateName, const QString& text)
      : QTreeWidgetItem(QStringList{QString::number(index), templateName, text}) {
    setData(kIndexColumn, kIndexRole, index);
  }
  bool operator<(const QTreeWidgetItem& other) const override {
    const int index = data(kIndexColumn, kIndexRole).toInt();
    const int otherIndex = other.data(kIndexColumn, kIndexRole).toInt();
    const int column = treeWidget() ? treeWidget()->sortColumn() : kIndexColumn;
    if (column == kIndexColumn) return index < otherIndex;
    const int order = QString::compare(text(column), other.text(column), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : index < otherIndex;
  }
};

std::string ValueOf(const TFactTextParts& parts, const std::string& slotName) {
  for (const TSlotText& slot : parts.Slots)
    if (slot.Name == slotName) return slot.Value;
  return {};
}

}  // namespace

TFactEditor::TFactEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekFacts, "Fact Editor", parent),
      FUi(std::make_unique<Ui::TFactEditor>()) {
  FUi->setupUi(Content());
  SetUpRuleTextEdit(FUi->FreeformEdit);
  FUi->FactList->sortByColumn(kIndexColumn, Qt::AscendingOrder);
  FUi->FactList->header()->setSortIndicatorShown(true);
  FUi->FactList->setColumnWidth(0, 60);
  FUi->FactList->setColumnWidth(1, 180);
  FUi->SlotGrid->setColumnWidth(0, 180);
  FUi->Splitter->setSizes({320, 240});
  BuildActions();
  ConnectControls();
  UpdateActions();
}

TFactEditor::~TFactEditor() = default;

// ---- Actions ----------------------------------------------------------------------

QAction* TFactEditor::AddFactAction(const QString& text, const QString& shortcut,
                                    const QString& hint, const char* objectName) {
  auto* action = new QAction(text, this);
  action->setObjectName(objectName);
  if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
  action->setStatusTip(hint);
  // A dialog has no main window to show status tips: the hint goes to the
  // window's own status bar.
  connect(action, &QAction::hovered, this, [this, hint] { ShowStatus(hint); });
  addAction(action);  // the shortcut works wherever the focus is
  return action;
}

void TFactEditor::BuildActions() {
  FActNew =
      AddFactAction("New", "Ctrl+N", "Start a new fact from the template's defaults", "actNew");
  FActAdd = AddFactAction("Add", "", "Add the edited fact at the end of the list", "actAdd");
  FActReplace = AddFactAction(
      "Replace", "Ctrl+R", "Put the edited fact in the place of the selected fact", "actReplace");
  FActDelete = AddFactAction("Delete", "Ctrl+D", "Delete the selected fact", "actDelete");
  FActClearFacts = AddFactAction("Clear Facts", "", "Delete all facts", "actClearFacts");
  FActEditFactTemplates = AddFactAction("Edit Fact Templates...", "", "Edit the fact templates",
                                        "actEditFactTemplates");
  FActEditDefinedTypes =
      AddFactAction("Edit Defined Types...", "", "Edit the defined types", "actEditDefinedTypes");

  QMenu* menu = AddMenu("&Fact");
  menu->addActions({FActNew, FActAdd, FActReplace, FActDelete});
  menu->addSeparator();
  menu->addAction(FActClearFacts);
  menu->addSeparator();
  menu->addActions({FActEditFactTemplates, FActEditDefinedTypes});
  ToolBar()->addSeparator();
  ToolBar()->addActions({FActNew, FActAdd, FActReplace, FActDelete, FActClearFacts});
  ToolBar()->addSeparator();
  ToolBar()->addActions({FActEditFactTemplates, FActEditDefinedTypes});

  connect(FActNew, &QAction::triggered, this, &TFactEditor::NewFact);
  connect(FActAdd, &QAction::triggered, this, [this] { (void)AddFact(); });
  connect(FActReplace, &QAction::triggered, this, [this] { (void)ReplaceFact(); });
  connect(FActDelete, &QAction::triggered, this, &TFactEditor::DeleteFact);
  connect(FActClearFacts, &QAction::triggered, this, &TFactEditor::ClearFacts);
  connect(FActEditFactTemplates, &QAction::triggered, this, &TFactEditor::EditFactTemplates);
  connect(FActEditDefinedTypes, &QAction::triggered, this, &TFactEditor::EditDefinedTypes);
}

void TFactEditor::ConnectControls() {
  connect(FUi->FactList, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { ListItemChanged(item); });
  connect(FUi->TemplateCombo, &QComboBox::currentIndexChanged, this, [this] { TemplateChosen(); });
  connect(FUi->FactPages, &QTabWidget::currentChanged, this, &TFactEditor::PageChanged);
  connect(FUi->SlotGrid, &QTableWidget::itemChanged, this, [this] { MarkDirty(); });
  connect(FUi->FreeformEdit, &QPlainTextEdit::textChanged, this, [this] { MarkDirty(); });
}

void TFactEditor::UpdateActions() {
  FActReplace->setEnabled(FCurrent >= 0);
  FActDelete->setEnabled(FCurrent >= 0);
  FActEditFactTemplates->setEnabled(FEnableFactTemplateEditor);
  FActEditDefinedTypes->setEnabled(FEnableTypeEditor);
}

void TFactEditor::SetEnableFactTemplateEditor(bool value) {
  FEnableFactTemplateEditor = value;
  UpdateActions();
}

void TFactEditor::SetEnableTypeEditor(bool value) {
  FEnableTypeEditor = value;
  UpdateActions();
}

void TFactEditor::Refresh() {
  TFlagGuard guard(FLoading);
  FillTemplateCombo();
  FillFactList();
  if (Engine().Facts().Count() > 0)
    LoadFact(0);
  else
    NewFact();
}

bool TFactEditor::CommitPending() {
  if (!FDirty) return true;
  return FCurrent >= 0 ? ReplaceFact() : AddFact();
}

void TFactEditor::NewFact() {
  TFlagGuard guard(FLoading);
  FCurrent = -1;
  FUi->FactList->setCurrentItem(nullptr);
  FUi->FactList->clearSelection();
  ShowTemplateDefaults();
  FDirty = false;
  UpdateActions();
}

bool TFactEditor::AddFact() {
  IFact fact = ParseEdited();
  if (!fact) return false;
  std::vector<IFact> facts = ListedFacts(Engine().Facts());
  facts.push_back(fact);
  const int index = int(facts.size()) - 1;
  StoreFacts(facts, index);
  ShowStatus(Q(FormatMessage(kFactEditorAdded, {index})));
  return true;
}

bool TFactEditor::ReplaceFact() {
  std::vector<IFact> facts = ListedFacts(Engine().Facts());
  if (FCurrent < 0 || FCurrent >= int(facts.size())) {
    ShowStatus(kFactEditorNoSelection);
    return false;
  }
  IFact fact = ParseEdited();
  if (!fact) return false;
  const int index = FCurrent;
  facts[size_t(index)] = fact;
  StoreFacts(facts, index);
  ShowStatus(Q(FormatMessage(kFactEditorReplaced, {index})));
  return true;
}

void TFactEditor::DeleteFact() {
  std::vector<IFact> facts = ListedFacts(Engine().Facts());
  if (FCurrent < 0 || FCurrent >= int(facts.size())) {
    ShowStatus(kFactEditorNoSelection);
    return;
  }
  const int index = FCurrent;
  facts.erase(facts.begin() + index);
  StoreFacts(facts, facts.empty() ? -1 : std::min(index, int(facts.size()) - 1));
  ShowStatus(Q(FormatMessage(kFactEditorDeleted, {index})));
}

void TFactEditor::ClearFacts() {
  StoreFacts({}, -1);
  ShowStatus(kFactEditorCleared);
}

void TFactEditor::EditFactTemplates() {
  if (!FEnableFactTemplateEditor) return;
  TFactTemplatesDialog dialog;
  dialog.SetEngine(&Engine());
  dialog.SetEnableTypeEditor(FEnableTypeEditor);
  RunNested(dialog);
}

void TFactEditor::EditDefinedTypes() {
  if (!FEnableTypeEditor) return;
  TDefinedTypesDialog dialog;
  dialog.SetEngine(&Engine());
  RunNested(dialog);
}

void TFactEditor::RunNested(TEditorDialog& dialog) {
  dialog.SetPrompts(SharedPrompts());
  dialog.SetParentWidget(this);
  const std::vector<IFact> before = ListedFacts(Engine().Facts());
  try {
    if (!dialog.Execute()) return;
  } catch (const std::exception& error) {
    // What was copied back before the error stays; the list shows it.
    SetListedFacts(Engine().Facts(), FactsWithCurrentTemplates(Engine(), before));
    Refresh();
    ShowError(error);
    return;
  }
  SetListedFacts(Engine().Facts(), FactsWithCurrentTemplates(Engine(), before));
  Refresh();
}

// ---- The list ---------------------------------------------------------------------

// Every template of the working copy, implied ones included, by name; the
// placeholder of negated patterns is the engine's own and has no facts.
void TFactEditor::FillTemplateCombo() {
  TFlagGuard guard(FLoading);
  QComboBox* combo = FUi->TemplateCombo;
  const QString current = combo->currentText();
  QStringList names;
  for (const auto& entry : Engine().FactTemplates().Table())
    if (entry.Value->Name() != kNotOrTestName) names << Q(entry.Value->Name());
  names.sort(Qt::CaseInsensitive);
  combo->clear();
  combo->addItems(names);
  int at = combo->findText(current);
  // A new fact starts from a template of the knowledge base rather than
  // from the engine's own initial fact.
  if (at < 0 && names.size() > 1) at = names.indexOf(QString(kInitialFactName)) == 0 ? 1 : 0;
  combo->setCurrentIndex(std::max(at, 0));
}

void TFactEditor::FillFactList() {
  TFlagGuard guard(FLoading);
  QTreeWidget* list = FUi->FactList;
  list->setSortingEnabled(false);
  list->clear();
  const TFacts& facts = Engine().Facts();
  for (int32_t i = 0; i < facts.Count(); ++i) {
    const IFact& fact = facts.Items(i);
    const QString name = fact->Template() ? Q(fact->Template()->Name()) : QString();
    list->addTopLevelItem(new TFactListItem(i, name, Q(Engine().Parser().PrintFact(*fact))));
  }
  list->setSortingEnabled(true);  // sorts by the header's column again
}

void TFactEditor::SelectListItem(int index) {
  TFlagGuard guard(FLoading);
  QTreeWidget* list = FUi->FactList;
  for (int row = 0; row < list->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (item->data(kIndexColumn, kIndexRole).toInt() != index) continue;
    list->setCurrentItem(item);
    list->scrollToItem(item);
    return;
  }
}

void TFactEditor::ListItemChanged(QTreeWidgetItem* item) {
  if (FLoading || !item) return;
  LoadFact(item->data(kIndexColumn, kIndexRole).toInt());
}

void TFactEditor::StoreFacts(const std::vector<IFact>& facts, int select) {
  SetListedFacts(Engine().Facts(), facts);
  FillTemplateCombo();  // the fact may have made an implied template
  FillFactList();
  if (select >= 0)
    LoadFact(select);
  else
    NewFact();
}

// ---- The edit area ----------------------------------------------------------------

void TFactEditor::LoadFact(int index) {
  TFlagGuard guard(FLoading);
  FCurrent = index;
  ShowFact(Engine().Facts().Items(index));
  SelectListItem(index);
  FDirty = false;
  UpdateActions();
}

void TFactEditor::ShowFact(const IFact& fact) {
  TFlagGuard guard(FLoading);
  if (fact->Template()) SelectTemplate(Q(fact->Template()->Name()));
  FillGrid(fact);
  FUi->FreeformEdit->setPlainText(Q(Engine().Parser().PrintFact(*fact)));
}

// A new fact of the chosen template, every slot holding its default.
void TFactEditor::ShowTemplateDefaults() {
  TFlagGuard guard(FLoading);
  IFactTemplate factTemplate =
      Engine().FindTemplate(FUi->TemplateCombo->currentText().toStdString());
  if (!factTemplate) {
    FUi->SlotGrid->setRowCount(0);
    FUi->FreeformEdit->clear();
    return;
  }
  try {
    ShowFact(factTemplate->CreateFact());
  } catch (const std::exception& error) {  // a dynamic default that fails
    ShowError(error);
  }
}

// A template that is not in the working copy (a fact shown but not yet
// added may name a new one) is listed for as long as it is shown.
void TFactEditor::SelectTemplate(const QString& name) {
  TFlagGuard guard(FLoading);
  QComboBox* combo = FUi->TemplateCombo;
  int at = combo->findText(name);
  if (at < 0) {
    combo->addItem(name);
    at = combo->count() - 1;
  }
  combo->setCurrentIndex(at);
}

// One row per slot in definition order, each value as the parser writes it
// (fuzzy values by their terms), so the rows read back as they are.
void TFactEditor::FillGrid(const IFact& fact) {
  TFlagGuard guard(FLoading);
  QTableWidget* grid = FUi->SlotGrid;
  grid->setRowCount(0);
  const IFactTemplate& factTemplate = fact->Template();
  if (!factTemplate) return;
  const TFactTextParts parts =
      SplitFactText(Engine().Parser().PrintFact(*fact), factTemplate->IsImplied());
  for (const IFactSlot& slot : factTemplate->SlotsInOrder()) {
    const int row = grid->rowCount();
    grid->insertRow(row);
    auto* name = new QTableWidgetItem(Q(slot->Name()));
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    name->setToolTip(Q(Engine().PrintTemplateSlot(*slot)));
    grid->setItem(row, 0, name);
    grid->setItem(row, 1, new QTableWidgetItem(Q(ValueOf(parts, slot->Name()))));
  }
}

void TFactEditor::TemplateChosen() {
  if (FLoading) return;
  ShowTemplateDefaults();
  MarkDirty();
}

void TFactEditor::PageChanged(int page) {
  if (!FLoading && page == kFreeformPage && FPage == kSlotPage) {
    TFlagGuard guard(FLoading);
    FUi->FreeformEdit->setPlainText(Q(GridText()));
  } else if (!FLoading && page == kSlotPage && FPage == kFreeformPage && !CarryFreeformToGrid()) {
    return;  // back on the Freeform page with the error shown
  }
  FPage = page;
}

// Reads the typed text in the parser (without keeping a template it would
// make) and shows its slots; a blank text starts from the defaults.
bool TFactEditor::CarryFreeformToGrid() {
  const std::string text = FUi->FreeformEdit->toPlainText().toStdString();
  TFlagGuard guard(FLoading);
  if (NextToken(text, 0) == std::string::npos) {
    ShowTemplateDefaults();
    return true;
  }
  try {
    IFact fact = ParseOneFact(Engine(), text, false);
    SelectTemplate(Q(fact->Template()->Name()));
    FillGrid(fact);
  } catch (const std::exception& error) {
    FUi->FactPages->setCurrentIndex(kFreeformPage);
    ShowError(error, FUi->FreeformEdit);
    return false;
  }
  return true;
}

std::string TFactEditor::GridText() const {
  const QTableWidget* grid = FUi->SlotGrid;
  std::vector<TSlotText> rows;
  for (int row = 0; row < grid->rowCount(); ++row) {
    const QTableWidgetItem* name = grid->item(row, 0);
    const QTableWidgetItem* value = grid->item(row, 1);
    if (name)
      rows.push_back({name->text().toStdString(), value ? value->text().toStdString() : ""});
  }
  return JoinFactText(FUi->TemplateCombo->currentText().toStdString(), rows);
}

std::string TFactEditor::EditedText() const {
  if (FUi->FactPages->currentIndex() == kFreeformPage)
    return FUi->FreeformEdit->toPlainText().toStdString();
  return GridText();
}

IFact TFactEditor::ParseEdited() {
  const std::string text = EditedText();
  try {
    return ParseOneFact(Engine(), text, true);
  } catch (const std::exception& error) {
    if (FUi->FactPages->currentIndex() != kFreeformPage) {
      TFlagGuard guard(FLoading);
      FUi->FreeformEdit->setPlainText(Q(text));
      FUi->FactPages->setCurrentIndex(kFreeformPage);
    }
    ShowError(error, FUi->FreeformEdit);
    return nullptr;
  }
}

void TFactEditor::MarkDirty() {
  if (!FLoading) FDirty = true;
}

}  // namespace vettora
