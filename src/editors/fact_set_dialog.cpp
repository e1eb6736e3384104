#include "editors/fact_set_dialog.h"

#include <vector>

#include "editors/fact_editor.h"
#include "editors/messages.h"
#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TFactSetDialog::TFactSetDialog(TComponent* owner) : TEditorDialog(owner) {}
TFactSetDialog::~TFactSetDialog() { SetFactSet(nullptr); }

void TFactSetDialog::SetFactSet(TFactSet* factSet) { Track(FFactSet, factSet); }

void TFactSetDialog::Notification(TComponent* component, TOperation operation) {
  TEditorDialog::Notification(component, operation);
  if (operation == opRemove && component == FFactSet) FFactSet = nullptr;
}

namespace {

// The working copy's fact list becomes the set's facts, in order. A line
// that does not parse in the working copy (its template changed since) is
// left out rather than stopping the edit.
void FillFactList(TInferenceEngine& copy, TFactSet& set) {
  copy.Facts().Clear();
  for (int32_t i = 0; i < set.Facts().Count(); ++i) {
    IFact fact;
    try {
      fact = copy.ParseFact(set.Facts().Strings(i));
    } catch (const EIEException&) {
      continue;
    }
    if (fact) copy.Facts().AddFact(fact);
  }
}

}  // namespace

bool TFactSetDialog::Execute() {
  // Every text the editor shows and reads back keeps every digit of a number.
  TReadBackText exact;
  if (!FFactSet) throw EIEException(kEditorEmptyFactSet);
  TInferenceEngine* engine = FFactSet->Engine();
  if (!engine) throw EIEException(kEditorUnknownEngine);
  TFactEditor editor(ParentWidget());
  editor.CopyEngine(*engine, [this](TInferenceEngine& copy) { FillFactList(copy, *FFactSet); });
  editor.SetEnableFactTemplateEditor(FEnableFactTemplateEditor);
  editor.SetEnableTypeEditor(FEnableTypeEditor);
  if (!RunWindow(editor)) return false;

  TInferenceEngine& edited = editor.Engine();
  if (FEnableTypeEditor) engine->DefinedTypes().Assign(edited.DefinedTypes());
  if (FEnableFactTemplateEditor) engine->FactTemplates().Assign(edited.FactTemplates());
  std::vector<std::string> texts = edited.Facts().Texts();
  FFactSet->SetFacts({});
  for (const std::string& text : texts) FFactSet->AddFact(engine->ParseFact(text));
  return true;
}

}  // namespace vettora
