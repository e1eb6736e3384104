#pragma once
// TTypeEditorFrame: edits one defined type -- name, ancestor type, units,
// comment, admitted kinds, range, allowed values and fuzzy terms (with a
// plot of the terms) -- as the Types Editor and the Fact Template Editor
// (for a slot's type) show it.

#include <QWidget>
#include <memory>

namespace Ui {
class TTypeEditorFrame;
}

namespace vettora {

class TTypeEditorFrame : public QWidget {
  Q_OBJECT
 public:
  explicit TTypeEditorFrame(QWidget* parent = nullptr);
  ~TTypeEditorFrame() override;

 private:
  std::unique_ptr<Ui::TTypeEditorFrame> FUi;
};

}  // namespace vettora
