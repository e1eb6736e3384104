#include "editors/editor_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include "editors/messages.h"
#include "engine/inference_engine.h"
#include "matching/rete_network.h"
#include "reader/parse_exception.h"
#include "values/format.h"

namespace vettora {

TEditorWindow::TEditorWindow(TEditorKind kind, const QString& title, QWidget* parent)
    : QDialog(parent),
      FKind(kind),
      FEngine(std::make_unique<TInferenceEngine>()),
      FPrompts(std::make_shared<TQtEditorPrompts>()) {
  setWindowTitle(title);
  FEngine->SetTypeChecks({tcStatic, tcDynamic});
  BuildFrame();
  BuildFileActions();
}

TEditorWindow::~TEditorWindow() = default;

void TEditorWindow::BuildFrame() {
  auto* layout = new QVBoxLayout(this);
  FMenuBar = new QMenuBar(this);
  layout->setMenuBar(FMenuBar);
  FToolBar = new QToolBar(this);
  FToolBar->setObjectName("ToolBar");
  layout->addWidget(FToolBar);
  FContent = new QWidget(this);
  FContent->setObjectName("Content");
  layout->addWidget(FContent, 1);
  FButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  FButtons->setObjectName("Buttons");
  connect(FButtons, &QDialogButtonBox::accepted, this, &TEditorWindow::accept);
  connect(FButtons, &QDialogButtonBox::rejected, this, &TEditorWindow::reject);
  layout->addWidget(FButtons);
  FStatusBar = new QStatusBar(this);
  FStatusBar->setObjectName("StatusBar");
  layout->addWidget(FStatusBar);
  resize(900, 640);
}

QAction* TEditorWindow::AddFileAction(const QString& text, const QString& hint,
                                      const char* objectName) {
  QAction* action = FFileMenu->addAction(text);
  action->setObjectName(objectName);
  action->setStatusTip(hint);
  connect(action, &QAction::hovered, this, [this, hint] { FStatusBar->showMessage(hint); });
  return action;
}

void TEditorWindow::BuildFileActions() {
  FFileMenu = FMenuBar->addMenu("&File");
  QString ext = KindExtension(FKind);
  QAction* open = AddFileAction("&Open...", QString("Open a .%1 file").arg(ext), "FileOpen");
  open->setShortcut(QKeySequence("Ctrl+O"));
  connect(open, &QAction::triggered, this, &TEditorWindow::FileOpen);
  QAction* save = AddFileAction("&Save", QString("Save to the current .%1 file").arg(ext), "FileSave");
  save->setShortcut(QKeySequence("Ctrl+S"));
  connect(save, &QAction::triggered, this, &TEditorWindow::FileSave);
  QAction* saveAs = AddFileAction("Save &As...", "Save under a new name", "FileSaveAs");
  connect(saveAs, &QAction::triggered, this, &TEditorWindow::FileSaveAs);
  FFileMenu->addSeparator();
  QAction* print = AddFileAction("&Print...", "Print the text", "FilePrint");
  print->setShortcut(QKeySequence("Ctrl+P"));
  connect(print, &QAction::triggered, this, &TEditorWindow::FilePrint);
  QAction* preview = AddFileAction("Print Pre&view...", "Show the pages as printed", "FilePrintPreview");
  connect(preview, &QAction::triggered, this, &TEditorWindow::FilePrintPreview);
  QAction* setup = AddFileAction("P&rinter Setup...", "Choose the page and printer", "FilePrinterSetup");
  connect(setup, &QAction::triggered, this, &TEditorWindow::FilePrinterSetup);
  for (QAction* a : {open, save, print}) FToolBar->addAction(a);
  for (QAction* a : FFileMenu->actions()) addAction(a);  // shortcuts work without the menu open
}

QMenu* TEditorWindow::AddMenu(const QString& title) { return FMenuBar->addMenu(title); }

void TEditorWindow::SetPrompts(TEditorPromptsRef prompts) {
  if (prompts) FPrompts = std::move(prompts);
}

void TEditorWindow::CopyEngine(const TInferenceEngine& source,
                               const std::function<void(TInferenceEngine&)>& whileDisabled) {
  TReteNetwork& network = FEngine->ReteNetwork();
  network.SetEnabled(false);
  try {
    if (FEngine->Packages() != source.Packages()) FEngine->SetPackages(source.Packages());
    FEngine->Assign(source);
    if (whileDisabled) whileDisabled(*FEngine);
  } catch (...) {
    network.SetEnabled(true);
    throw;
  }
  network.SetEnabled(true);
  FEngine->SetTypeChecks({tcStatic, tcDynamic});
}

// ---- Files ------------------------------------------------------------------

bool TEditorWindow::OpenFile(const QString& fileName) {
  try {
    LoadKind(*FEngine, FKind, fileName.toStdString());
  } catch (const std::exception& e) {
    QString text = QString::fromStdString(FormatMessage(kEditorCannotOpen, {fileName.toStdString(), e.what()}));
    ShowStatus(text);
    FPrompts->ShowMessage(this, text);
    Refresh();  // what was read before the error is in the working copy
    return false;
  }
  FFileName = fileName;
  Refresh();
  ShowStatus(QString::fromStdString(FormatMessage(kEditorOpened, {fileName.toStdString()})));
  return true;
}

bool TEditorWindow::SaveFile(const QString& fileName) {
  if (!CommitPending()) return false;
  try {
    SaveKind(*FEngine, FKind, fileName.toStdString());
  } catch (const std::exception& e) {
    QString text = QString::fromStdString(FormatMessage(kEditorCannotSave, {fileName.toStdString(), e.what()}));
    ShowStatus(text);
    FPrompts->ShowMessage(this, text);
    return false;
  }
  FFileName = fileName;
  ShowStatus(QString::fromStdString(FormatMessage(kEditorSaved, {fileName.toStdString()})));
  return true;
}

void TEditorWindow::FileOpen() {
  QString name = FPrompts->OpenFileName(this, FFileName, KindFilter(FKind), KindExtension(FKind));
  if (!name.isEmpty()) OpenFile(name);
}

void TEditorWindow::FileSave() {
  if (FFileName.isEmpty())
    FileSaveAs();
  else
    SaveFile(FFileName);
}

void TEditorWindow::FileSaveAs() {
  QString name = FPrompts->SaveFileName(this, FFileName, KindFilter(FKind), KindExtension(FKind));
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += "." + KindExtension(FKind);
  SaveFile(name);
}

// ---- Printing ---------------------------------------------------------------

QPrinter& TEditorWindow::Printer() {
  if (!FPrinter) FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *FPrinter;
}

QString TEditorWindow::PrintText() const {
  return QString::fromStdString(KindText(*FEngine, FKind));
}

void TEditorWindow::PaintText(QPrinter& printer) const {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(9);
  painter.setFont(font);
  const QRect page = painter.viewport();
  const int lineHeight = painter.fontMetrics().lineSpacing();
  int y = lineHeight;
  const QStringList lines = PrintText().split(QRegularExpression("\r?\n"));
  for (const QString& line : lines) {
    if (y > page.height() - lineHeight) {
      printer.newPage();
      y = lineHeight;
    }
    painter.drawText(0, y, line);
    y += lineHeight;
  }
  painter.end();
}

void TEditorWindow::FilePrint() {
  if (!CommitPending()) return;
  if (FPrompts->SetUpPrinter(this, Printer(), true)) PaintText(Printer());
}

void TEditorWindow::FilePrintPreview() {
  if (!CommitPending()) return;
  FPrompts->ShowPrintPreview(this, Printer(), [this](QPrinter& p) { PaintText(p); });
}

void TEditorWindow::FilePrinterSetup() { (void)FPrompts->SetUpPrinter(this, Printer(), false); }

// ---- Status and errors -----------------------------------------------------

void TEditorWindow::ShowStatus(const QString& text) { FStatusBar->showMessage(text); }

QString TEditorWindow::StatusText() const { return FStatusBar->currentMessage(); }

void TEditorWindow::ShowError(const std::exception& error, QPlainTextEdit* edit, int firstLine) {
  const auto* parse = dynamic_cast<const EIEParseException*>(&error);
  const int line = parse ? parse->LineNumber() : 0;
  const int column = parse ? parse->Column() : 0;
  if (line > 0 && column > 0)
    ShowStatus(QString::fromStdString(
        FormatMessage(kEditorParseErrorAtColumn, {line, column, error.what()})));
  else if (line > 0)
    ShowStatus(QString::fromStdString(FormatMessage(kEditorParseErrorAt, {line, error.what()})));
  else
    ShowStatus(QString::fromUtf8(error.what()));
  if (!edit) return;
  QTextBlock target = edit->document()->findBlockByNumber(std::max(0, line - firstLine));
  if (!target.isValid()) target = edit->document()->lastBlock();
  QTextCursor cursor(target);
  // On the token the parser stopped at; without a column the line is
  // selected so that it stands out.
  if (column > 0)
    cursor.setPosition(target.position() + std::min(column - 1, std::max(0, target.length() - 1)));
  else
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  edit->setTextCursor(cursor);
  edit->setFocus();
}

void TEditorWindow::accept() {
  if (!CommitPending()) {
    if (StatusText().isEmpty()) ShowStatus(kEditorNotWrittenBack);
    return;
  }
  QDialog::accept();
}

}  // namespace vettora
