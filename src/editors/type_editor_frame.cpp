#include "editors/type_editor_frame.h"

#include "ui_type_editor_frame.h"

namespace vettora {

TTypeEditorFrame::TTypeEditorFrame(QWidget* parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TTypeEditorFrame>()) {
  FUi->setupUi(this);
}

TTypeEditorFrame::~TTypeEditorFrame() = default;

}  // namespace vettora
