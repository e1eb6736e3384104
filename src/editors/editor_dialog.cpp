#include "editors/editor_dialog.h"

#include "editors/editor_window.h"

namespace vettora {

TEditorDialog::TEditorDialog(TComponent* owner)
    : TComponent(owner), FPrompts(std::make_shared<TQtEditorPrompts>()) {}

void TEditorDialog::SetPrompts(TEditorPromptsRef prompts) {
  FPrompts = prompts ? std::move(prompts) : std::make_shared<TQtEditorPrompts>();
}

bool TEditorDialog::RunWindow(TEditorWindow& window) {
  if (!FCaption.empty()) window.setWindowTitle(QString::fromStdString(FCaption));
  window.SetPrompts(FPrompts);
  window.Refresh();
  return FPrompts->RunModal(window);
}

}  // namespace vettora
