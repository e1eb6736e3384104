#include "editors/defined_types_dialog.h"

#include "editors/messages.h"
#include "editors/types_editor.h"
#include "engine/defined_types.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"

namespace vettora {

TDefinedTypesDialog::TDefinedTypesDialog(TComponent* owner) : TEditorDialog(owner) {}
TDefinedTypesDialog::~TDefinedTypesDialog() { SetEngine(nullptr); }

void TDefinedTypesDialog::Notification(TComponent* component, TOperation operation) {
  TEditorDialog::Notification(component, operation);
  if (operation == opRemove && component == FEngine) FEngine = nullptr;
}

bool TDefinedTypesDialog::Execute() {
  if (!FEngine) throw EIEException(kEditorUnknownEngine);
  TTypesEditor editor(ParentWidget());
  editor.CopyEngine(*FEngine);
  if (!RunWindow(editor)) return false;
  FEngine->DefinedTypes().Assign(editor.Engine().DefinedTypes());
  return true;
}

}  // namespace vettora
