// TRuleEditor: the edit area -- the rule's name, comment and salience, the
// IF and THEN line lists with their edit line, the free-form texts -- and
// what templates and functions dropped on it add.
#include <QDropEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <climits>

#include "editors/dropped_lines.h"
#include "editors/function_list.h"
#include "editors/rule_editor.h"
#include "editors/rule_text_edit.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "knowledge/fact_template.h"
#include "matching/rule.h"
#include "ui_rule_editor.h"

namespace vettora {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string ListText(const QListWidget* list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
  return JoinElements(lines);
}

void FillList(QListWidget* list, const std::vector<std::string>& elements) {
  list->clear();
  for (const std::string& element : elements) list->addItem(Q(element));
}

}  // namespace

void TRuleEditor::SetUpEditArea() {
  SetUpRuleTextEdit(FUi->ConditionsEdit);
  SetUpRuleTextEdit(FUi->ActionsEdit);
  const QFont fixed = FUi->ConditionsEdit->font();  // the lines are rule-language text too
  for (QWidget* widget : {static_cast<QWidget*>(FUi->IfList), static_cast<QWidget*>(FUi->ThenList),
                          static_cast<QWidget*>(FUi->EditLine)})
    widget->setFont(fixed);
  FUi->SalienceEdit->setRange(INT_MIN, INT_MAX);
  // A salience typed in replaces a computed one.
  connect(FUi->SalienceEdit, &QSpinBox::valueChanged, this, [this] {
    if (!FLoading) FKept.SalienceExpression.clear();
  });
  connect(FUi->RulePages, &QTabWidget::currentChanged, this, &TRuleEditor::PageChanged);
  for (QListWidget* list : {FUi->IfList, FUi->ThenList}) {
    connect(list, &QListWidget::currentItemChanged, this, [this, list](QListWidgetItem* item) {
      if (FLoading) return;
      FActiveList = list;
      if (item) FUi->EditLine->setText(item->text());
    });
    connect(list, &QListWidget::itemPressed, this, [this, list] { FActiveList = list; });
    list->installEventFilter(this);  // focus picks the list the line buttons work on
  }
  FUi->EditLine->installEventFilter(this);  // Enter adds the line rather than pressing OK
  connect(FUi->AddLineButton, &QPushButton::clicked, this, &TRuleEditor::AddLine);
  connect(FUi->ReplaceLineButton, &QPushButton::clicked, this, &TRuleEditor::ReplaceLine);
  connect(FUi->DeleteLineButton, &QPushButton::clicked, this, &TRuleEditor::DeleteLine);
  connect(FUi->MoveUpButton, &QPushButton::clicked, this, [this] { MoveLine(-1); });
  connect(FUi->MoveDownButton, &QPushButton::clicked, this, [this] { MoveLine(1); });
}

// Templates go into the conditions only; functions into either side.
void TRuleEditor::SetUpDragAndDrop() {
  for (QWidget* target : {FUi->IfList->viewport(), FUi->ThenList->viewport(),
                          FUi->ConditionsEdit->viewport(), FUi->ActionsEdit->viewport()}) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
  }
  connect(FUi->TemplateTree, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { InsertTemplateItem(item, -1); });
  // A double-clicked function is an action; dragged, it may go either way.
  connect(FUi->FunctionList, &TFunctionList::FunctionChosen, this,
          [this](const QString& name) { InsertFunction(name.toStdString(), false); });
}

bool TRuleEditor::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == FUi->EditLine && type == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      AddLine();
      return true;
    }
  }
  if (type == QEvent::FocusIn && (watched == FUi->IfList || watched == FUi->ThenList))
    FActiveList = static_cast<QListWidget*>(watched);
  if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
    return FilterDrop(watched, static_cast<QDropEvent*>(event));
  return TEditorWindow::eventFilter(watched, event);
}

// Drags from our own template tree and function list are ours; the lists
// take no other drops, the free-form texts keep their own text drops.
bool TRuleEditor::FilterDrop(QObject* watched, QDropEvent* event) {
  const bool intoList = watched == FUi->IfList->viewport() || watched == FUi->ThenList->viewport();
  const bool intoConditions =
      watched == FUi->IfList->viewport() || watched == FUi->ConditionsEdit->viewport();
  const bool fromTemplates = event->source() == FUi->TemplateTree;
  const bool fromFunctions = event->source() == FUi->FunctionList->List();
  if (!(fromTemplates && intoConditions) && !fromFunctions) {
    if (intoList) event->ignore();
    return intoList;
  }
  event->acceptProposedAction();
  if (event->type() != QEvent::Drop) return true;
  int row = -1;
  if (intoList) {
    QListWidget* list = intoConditions ? FUi->IfList : FUi->ThenList;
    row = list->indexAt(event->position().toPoint()).row();
  }
  if (fromTemplates)
    InsertTemplateItem(FUi->TemplateTree->currentItem(), row);
  else
    InsertFunction(FUi->FunctionList->CurrentFunction().toStdString(), intoConditions, row);
  return true;
}

void TRuleEditor::InsertTemplate(const std::string& name, const std::string& slot, int row) {
  IFactTemplate factTemplate = Engine().FactTemplates().Find(name);
  if (!factTemplate) return;
  const bool assign = FUi->AssignVariableCheck->isChecked();
  InsertLine(true, Q(TemplatePattern(*factTemplate, slot, assign, CurrentParts().Conditions)), row);
}

void TRuleEditor::InsertFunction(const std::string& name, bool intoConditions, int row) {
  if (!name.empty()) InsertLine(intoConditions, Q(FunctionCallLine(name)), row);
}

// Before `row` of the list (appended for -1); on the Free Form page, as a
// new last line of the text.
void TRuleEditor::InsertLine(bool intoConditions, const QString& text, int row) {
  if (FreeFormShown()) {
    (intoConditions ? FUi->ConditionsEdit : FUi->ActionsEdit)->appendPlainText(text);
    return;
  }
  QListWidget* list = intoConditions ? FUi->IfList : FUi->ThenList;
  if (row < 0 || row > list->count()) row = list->count();
  list->insertItem(row, text);
  list->setCurrentRow(row);
}

// ---- The rule under edit ----------------------------------------------------------

void TRuleEditor::LoadRule(const std::string& name) {
  TRule* rule = name.empty() ? nullptr : Engine().FindRule(name);
  if (!rule) {
    ShowParts({});
    return;
  }
  try {
    ShowParts(PartsOfRule(*rule, Engine().PrintRule(*rule)));
  } catch (const std::exception& error) {
    ShowParts({});
    ShowError(error);
  }
}

// Both pages get the sides, so either can be shown next; what is shown now
// is the text any change is measured against.
void TRuleEditor::ShowParts(const TRuleParts& parts) {
  QScopedValueRollback<bool> loading(FLoading, true);
  FKept = parts;
  FUi->RuleName->setText(Q(parts.Name));
  FUi->RuleComment->setText(Q(parts.Comment));
  FUi->SalienceEdit->setValue(parts.Salience);
  const std::vector<std::string> conditions = SplitElements(parts.Conditions);
  const std::vector<std::string> actions = SplitElements(parts.Actions);
  FillList(FUi->IfList, conditions);
  FillList(FUi->ThenList, actions);
  FUi->ConditionsEdit->setPlainText(Q(JoinElements(conditions)));
  FUi->ActionsEdit->setPlainText(Q(JoinElements(actions)));
  FUi->EditLine->clear();
  FLoadedText = BuildRuleText(CurrentParts());
}

TRuleParts TRuleEditor::CurrentParts() const {
  TRuleParts parts = FKept;  // the declare options that have no controls
  parts.Name = FUi->RuleName->text().trimmed().toStdString();
  parts.Comment = FUi->RuleComment->text().toStdString();
  parts.Salience = FUi->SalienceEdit->value();
  if (FreeFormShown()) {
    parts.Conditions = FUi->ConditionsEdit->toPlainText().toStdString();
    parts.Actions = FUi->ActionsEdit->toPlainText().toStdString();
  } else {
    parts.Conditions = ListText(FUi->IfList);
    parts.Actions = ListText(FUi->ThenList);
  }
  return parts;
}

bool TRuleEditor::IsDirty() const {
  const TRuleParts parts = CurrentParts();
  return !IsBlank(parts) && BuildRuleText(parts) != FLoadedText;
}

bool TRuleEditor::FreeFormShown() const {
  return FUi->RulePages->currentWidget() == FUi->FreeFormPage;
}

// The page shown now takes the content of the other one.
void TRuleEditor::PageChanged(int) {
  QScopedValueRollback<bool> loading(FLoading, true);
  if (FreeFormShown()) {
    FUi->ConditionsEdit->setPlainText(Q(ListText(FUi->IfList)));
    FUi->ActionsEdit->setPlainText(Q(ListText(FUi->ThenList)));
  } else {
    FillList(FUi->IfList, SplitElements(FUi->ConditionsEdit->toPlainText().toStdString()));
    FillList(FUi->ThenList, SplitElements(FUi->ActionsEdit->toPlainText().toStdString()));
  }
}

// ---- The line buttons ---------------------------------------------------------------

QListWidget* TRuleEditor::ActiveList() const { return FActiveList ? FActiveList : FUi->IfList; }

void TRuleEditor::AddLine() {
  const QString text = FUi->EditLine->text().trimmed();
  if (text.isEmpty()) return;
  QListWidget* list = ActiveList();
  list->addItem(text);
  list->setCurrentRow(list->count() - 1);
  FUi->EditLine->clear();  // ready for the next line
}

void TRuleEditor::ReplaceLine() {
  const QString text = FUi->EditLine->text().trimmed();
  QListWidgetItem* item = ActiveList()->currentItem();
  if (item && !text.isEmpty()) item->setText(text);
}

void TRuleEditor::DeleteLine() {
  QListWidget* list = ActiveList();
  if (list->currentRow() >= 0) delete list->takeItem(list->currentRow());
}

void TRuleEditor::MoveLine(int by) {
  QListWidget* list = ActiveList();
  const int row = list->currentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= list->count()) return;
  list->insertItem(to, list->takeItem(row));
  list->setCurrentRow(to);
}

}  // namespace vettora
