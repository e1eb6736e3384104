// TMainWindow: the actions -- icons, handlers, and whether each can be
// used now (with the reason in its hint when it cannot).
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

#include "app/action_hints.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "ui_main_window.h"

namespace vettora {

namespace {

// The edit a cut, copy or paste works on: the focused line edit or memo
// (a spin box's own line edit for a spin box); null for anything else.
QWidget* EditOf(QWidget* widget) {
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) widget = spin->findChild<QLineEdit*>();
  if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) return widget;
  return nullptr;
}

bool HasSelection(QWidget* edit) {
  if (auto* line = qobject_cast<QLineEdit*>(edit)) return line->hasSelectedText();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(edit)) return memo->textCursor().hasSelection();
  return false;
}

bool IsReadOnly(QWidget* edit) {
  if (auto* line = qobject_cast<QLineEdit*>(edit)) return line->isReadOnly();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(edit)) return memo->isReadOnly();
  return true;
}

}  // namespace

void TMainWindow::SetUpActions() {
  QStyle* s = style();
  FUi->FileNew1->setIcon(QIcon::fromTheme("document-new", s->standardIcon(QStyle::SP_FileIcon)));
  FUi->FileOpen1->setIcon(
      QIcon::fromTheme("document-open", s->standardIcon(QStyle::SP_DialogOpenButton)));
  FUi->FileSave1->setIcon(
      QIcon::fromTheme("document-save", s->standardIcon(QStyle::SP_DialogSaveButton)));
  FUi->EditCut1->setIcon(QIcon::fromTheme("edit-cut"));
  FUi->EditCopy1->setIcon(QIcon::fromTheme("edit-copy"));
  FUi->EditPaste1->setIcon(QIcon::fromTheme("edit-paste"));
  FUi->ToolBar1->setToolButtonStyle(Qt::ToolButtonFollowStyle);
  ConnectActions();
  // Both outlive the window and signal while its widgets are taken apart:
  // the destructor disconnects them first.
  FFocusWatch = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget*, QWidget* now) { FollowFocus(now); });
  FClipboardWatch = connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
                            &TMainWindow::UpdateEditActions);
}

void TMainWindow::ConnectActions() {
  connect(FUi->FileNew1, &QAction::triggered, this, &TMainWindow::FileNew1Execute);
  connect(FUi->FileOpen1, &QAction::triggered, this, &TMainWindow::FileOpen1Execute);
  connect(FUi->FileSave1, &QAction::triggered, this, &TMainWindow::FileSave1Execute);
  connect(FUi->FileSaveAs1, &QAction::triggered, this, &TMainWindow::FileSaveAsItemClick);
  connect(FUi->FileExit1, &QAction::triggered, this, &TMainWindow::FileExit1Execute);
  connect(FUi->HelpAbout1, &QAction::triggered, this, &TMainWindow::HelpAbout1Execute);
  connect(FUi->EditCut1, &QAction::triggered, this, [this] { EditFocused("cut"); });
  connect(FUi->EditCopy1, &QAction::triggered, this, [this] { EditFocused("copy"); });
  connect(FUi->EditPaste1, &QAction::triggered, this, [this] { EditFocused("paste"); });
  connect(FUi->actEditFactset, &QAction::triggered, this, &TMainWindow::actEditFactsetExecute);
  connect(FUi->actEditRules, &QAction::triggered, this, &TMainWindow::actEditRulesExecute);
  connect(FUi->actRestoreRules, &QAction::triggered, this, &TMainWindow::actRestoreRulesExecute);
  connect(FUi->btnAssess, &QPushButton::clicked, this, &TMainWindow::btnAssessClick);
}

void TMainWindow::UpdateActions() {
  SetActionAvailable(*FUi->FileSave1, FFileName.isEmpty() || FModified, kWhyUnchanged);
  SetActionAvailable(*FUi->actEditFactset, !FAssessing, kWhyAssessing);
  SetActionAvailable(*FUi->actEditRules, !FAssessing, kWhyAssessing);
  SetActionAvailable(*FUi->actRestoreRules, !FAssessing && HasEditsToForget(),
                     FAssessing ? kWhyAssessing : kWhyOriginalRules);
}

// Only an edit of this window counts; the selection of the focused edit
// is watched so that Cut and Copy follow it.
void TMainWindow::FollowFocus(QWidget* now) {
  disconnect(FSelectionWatch);
  QWidget* edit = isAncestorOf(now) ? EditOf(now) : nullptr;
  if (auto* line = qobject_cast<QLineEdit*>(edit))
    FSelectionWatch =
        connect(line, &QLineEdit::selectionChanged, this, &TMainWindow::UpdateEditActions);
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(edit))
    FSelectionWatch =
        connect(memo, &QPlainTextEdit::selectionChanged, this, &TMainWindow::UpdateEditActions);
  UpdateEditActions();
}

void TMainWindow::UpdateEditActions() {
  QWidget* focused = QApplication::focusWidget();
  QWidget* edit = isAncestorOf(focused) ? EditOf(focused) : nullptr;
  bool selected = HasSelection(edit);
  bool writable = edit && !IsReadOnly(edit);
  bool clipboard = !QApplication::clipboard()->text().isEmpty();
  const char* notWritable = edit ? kWhyReadOnly : kWhyNoEditFocused;
  SetActionAvailable(*FUi->EditCut1, selected && writable,
                     !writable ? notWritable : kWhyNoSelection);
  SetActionAvailable(*FUi->EditCopy1, selected, edit ? kWhyNoSelection : kWhyNoEditFocused);
  SetActionAvailable(*FUi->EditPaste1, writable && clipboard,
                     !writable ? notWritable : kWhyClipboardEmpty);
}

void TMainWindow::EditFocused(const char* method) {
  if (QWidget* edit = EditOf(QApplication::focusWidget())) QMetaObject::invokeMethod(edit, method);
}

}  // namespace vettora
