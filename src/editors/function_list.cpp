#include "editors/function_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/inference_engine.h"
#include "engine/user_functions.h"

namespace vettora {

TFunctionList::TFunctionList(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  FFilter = new QLineEdit(this);
  FFilter->setObjectName("FunctionFilter");
  FFilter->setPlaceholderText("Search functions");
  FFilter->setClearButtonEnabled(true);
  FList = new QListWidget(this);
  FList->setObjectName("FunctionNames");
  FList->setDragEnabled(true);
  FList->setDragDropMode(QAbstractItemView::DragOnly);
  FSyntax = new QLabel(this);
  FSyntax->setObjectName("FunctionSyntax");
  FSyntax->setTextFormat(Qt::PlainText);  // "<fact>" in a syntax is no markup
  FSyntax->setWordWrap(true);
  FSyntax->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FHelp = new QPlainTextEdit(this);
  FHelp->setObjectName("FunctionHelp");
  FHelp->setReadOnly(true);
  FHelp->setMaximumHeight(90);
  layout->addWidget(FFilter);
  layout->addWidget(FList, 1);
  layout->addWidget(FSyntax);
  layout->addWidget(FHelp);
  connect(FFilter, &QLineEdit::textChanged, this, &TFunctionList::FillList);
  connect(FList, &QListWidget::currentItemChanged, this, &TFunctionList::ShowCurrent);
  connect(FList, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { emit FunctionChosen(item->text()); });
}

// Case-blind order, names that differ only in case by their bytes: "abs"
// and "Abs" stay next to each other, "+" and "<" before the letters.
void TFunctionList::Load(TInferenceEngine& engine) {
  FEntries.clear();
  for (const auto& entry : engine.UserFunctions().Table()) {
    const TIEUserFunction& function = *entry.Value;
    QString name = QString::fromStdString(entry.Key);
    QString syntax = "(" + name + QString::fromStdString(function.ArgumentString()) + ")";
    FEntries.push_back({name, syntax, QString::fromStdString(function.Comment())});
  }
  std::sort(FEntries.begin(), FEntries.end(), [](const TEntry& a, const TEntry& b) {
    int blind = a.Name.compare(b.Name, Qt::CaseInsensitive);
    return blind != 0 ? blind < 0 : a.Name < b.Name;
  });
  FillList();
}

QString TFunctionList::Filter() const { return FFilter->text(); }
void TFunctionList::SetFilter(const QString& text) { FFilter->setText(text); }

void TFunctionList::FillList() {
  QString current = CurrentFunction();
  QString filter = FFilter->text().trimmed();
  FList->clear();
  for (const TEntry& entry : FEntries)
    if (filter.isEmpty() || entry.Name.contains(filter, Qt::CaseInsensitive))
      FList->addItem(entry.Name);
  SetCurrentFunction(current);
  if (!FList->currentItem() && FList->count() > 0) FList->setCurrentRow(0);
  ShowCurrent();
}

QStringList TFunctionList::VisibleNames() const {
  QStringList names;
  for (int i = 0; i < FList->count(); ++i) names << FList->item(i)->text();
  return names;
}

QString TFunctionList::CurrentFunction() const {
  QListWidgetItem* item = FList->currentItem();
  return item ? item->text() : QString();
}

void TFunctionList::SetCurrentFunction(const QString& name) {
  if (name.isEmpty()) return;
  QList<QListWidgetItem*> found = FList->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (!found.isEmpty()) FList->setCurrentItem(found.first());
}

const TFunctionList::TEntry* TFunctionList::Find(const QString& name) const {
  for (const TEntry& entry : FEntries)
    if (entry.Name == name) return &entry;
  return nullptr;
}

void TFunctionList::ShowCurrent() {
  const TEntry* entry = Find(CurrentFunction());
  FSyntax->setText(entry ? entry->Syntax : QString());
  FHelp->setPlainText(entry ? entry->Help : QString());
}

QString TFunctionList::SyntaxText() const { return FSyntax->text(); }
QString TFunctionList::HelpText() const { return FHelp->toPlainText(); }

}  // namespace vettora
