#pragma once
// TFunctionList: the searchable list of an engine's functions (built-ins of
// its packages, deffunctions and host functions) showing the selected
// function's argument text and help text.
//
// Load copies the names and texts, so the list holds nothing of the
// engine and stays valid whatever becomes of it. The filter keeps the
// functions whose name contains its text, in any case.

#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

namespace vettora {

class TInferenceEngine;

class TFunctionList : public QWidget {
  Q_OBJECT
 public:
  explicit TFunctionList(QWidget* parent = nullptr);
  // Lists the engine's functions, sorted by name.
  void Load(TInferenceEngine& engine);

  [[nodiscard]] QString Filter() const;
  void SetFilter(const QString& text);
  // The names shown (those the filter lets through), in list order.
  [[nodiscard]] QStringList VisibleNames() const;
  // The selected function's name; empty when none is selected.
  [[nodiscard]] QString CurrentFunction() const;
  void SetCurrentFunction(const QString& name);
  // "(name arguments)" and the help text of the selected function.
  [[nodiscard]] QString SyntaxText() const;
  [[nodiscard]] QString HelpText() const;
  // The list the names are dragged from.
  [[nodiscard]] QListWidget* List() const { return FList; }

 signals:
  // A function was double-clicked (or chosen with Enter).
  void FunctionChosen(const QString& name);

 private:
  struct TEntry {
    QString Name;
    QString Syntax;
    QString Help;
  };

  void FillList();
  void ShowCurrent();
  [[nodiscard]] const TEntry* Find(const QString& name) const;

  std::vector<TEntry> FEntries;  // sorted by name
  QLineEdit* FFilter = nullptr;
  QListWidget* FList = nullptr;
  QLabel* FSyntax = nullptr;
  QPlainTextEdit* FHelp = nullptr;
};

}  // namespace vettora
