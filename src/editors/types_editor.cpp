#include "editors/types_editor.h"

#include "ui_types_editor.h"

namespace vettora {

TTypesEditor::TTypesEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekDefinedTypes, "Types Editor", parent),
      FUi(std::make_unique<Ui::TTypesEditor>()) {
  FUi->setupUi(Content());
}

TTypesEditor::~TTypesEditor() = default;

void TTypesEditor::Refresh() {}
bool TTypesEditor::CommitPending() { return true; }

}  // namespace vettora
