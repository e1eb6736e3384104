#pragma once
// TFunctionList: the searchable list of an engine's functions (built-ins of
// its packages, deffunctions and host functions) showing the selected
// function's argument text and help text.

#include <QWidget>

namespace vettora {

class TInferenceEngine;

class TFunctionList : public QWidget {
  Q_OBJECT
 public:
  explicit TFunctionList(QWidget* parent = nullptr);
  // Lists the engine's functions, sorted by name.
  void Load(TInferenceEngine& engine);
};

}  // namespace vettora
