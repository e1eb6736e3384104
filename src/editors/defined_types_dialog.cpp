#include "editors/defined_types_dialog.h"

#include "editors/messages.h"
#include "editors/types_editor.h"
#include "engine/defined_types.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TDefinedTypesDialog::TDefinedTypesDialog(TComponent* owner) : TEditorDialog(owner) {}
TDefinedTypesDialog::~TDefinedTypesDialog() { SetEngine(nullptr); }

void TDefinedTypesDialog::SetEngine(TInferenceEngine* engine) { Track(FEngine, engine); }

void TDefinedTypesDialog::Notification(TComponent* component, TOperation operation) {
  TEditorDialog::Notification(component, operation);
  if (operation == opRemove && component == FEngine) FEngine = nullptr;
}

bool TDefinedTypesDialog::Execute() {
  // Every text the editor shows and reads back keeps every digit of a number.
  TReadBackText exact;
  if (!FEngine) throw EIEException(kEditorUnknownEngine);
  TTypesEditor editor(ParentWidget());
  editor.CopyEngine(*FEngine);
  if (!RunWindow(editor)) return false;
  FEngine->DefinedTypes().Assign(editor.Engine().DefinedTypes());
  return true;
}

}  // namespace vettora
