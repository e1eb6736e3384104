#include "editors/fact_templates_dialog.h"

#include "editors/fact_template_editor.h"
#include "editors/messages.h"
#include "engine/defined_types.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TFactTemplatesDialog::TFactTemplatesDialog(TComponent* owner) : TEditorDialog(owner) {}
TFactTemplatesDialog::~TFactTemplatesDialog() { SetEngine(nullptr); }

void TFactTemplatesDialog::SetEngine(TInferenceEngine* engine) { Track(FEngine, engine); }

void TFactTemplatesDialog::Notification(TComponent* component, TOperation operation) {
  TEditorDialog::Notification(component, operation);
  if (operation == opRemove && component == FEngine) FEngine = nullptr;
}

bool TFactTemplatesDialog::Execute() {
  // Every text the editor shows and reads back keeps every digit of a number.
  TReadBackText exact;
  if (!FEngine) throw EIEException(kEditorUnknownEngine);
  TFactTemplateEditor editor(ParentWidget());
  editor.CopyEngine(*FEngine);
  editor.SetEnableTypeEditor(FEnableTypeEditor);
  if (!RunWindow(editor)) return false;
  if (FEnableTypeEditor) FEngine->DefinedTypes().Assign(editor.Engine().DefinedTypes());
  FEngine->FactTemplates().Assign(editor.Engine().FactTemplates());
  return true;
}

}  // namespace vettora
