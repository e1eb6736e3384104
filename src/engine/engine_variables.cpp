// Global variables: initial values here, current values in the root context.
#include "engine/engine_variables.h"

#include <string>
#include <utility>
#include <vector>

#include "engine/collection_text.h"
#include "engine/inference_engine.h"
#include "matching/context.h"
#include "values/format.h"

namespace vettora {

void TGlobalVariables::Add(std::string_view name, const IIEValue& initialValue) {
  Store(name, initialValue);
  Bind(name, initialValue);
}

void TGlobalVariables::Bind(std::string_view name, const IIEValue& initialValue) {
  if (!Engine()) return;
  TIEContext& root = *Engine()->RootContext();
  IIEValue value = initialValue;
  if (value && value->DType() == dtFunCall) {
    std::unique_ptr<TIEContext> child = root.CreateChild();
    value = value->Evaluate(child.get());
  }
  root.SetGlobal(name, value);
}

void TGlobalVariables::ResetValues() {
  // Copied first: evaluating an initial value may run code that changes
  // the table.
  std::vector<std::pair<std::string, IIEValue>> entries;
  entries.reserve(size_t(Count()));
  for (const auto& entry : *this) entries.emplace_back(entry.Key, entry.Value);
  for (const auto& [name, value] : entries) Bind(name, value);
}

void TGlobalVariables::ClearAll() {
  Clear();
  if (Engine()) Engine()->RootContext()->ClearBindings();
}

std::vector<std::string> TEngineVariables::Texts() const {
  std::vector<std::string> texts;
  if (!FEngine) return texts;
  texts.reserve(size_t(Count()));
  for (const auto& entry : *this)
    texts.push_back(GlobalDefinitionText(*FEngine, entry.Key, entry.Value));
  return texts;
}

std::string TEngineVariables::Text() const {
  std::string text;
  for (const std::string& definition : Texts()) text += "(defglobal " + definition + ")\r\n";
  return text;
}

void TGlobalVariables::Assign(const TGlobalVariables& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  std::string text = source.Text();
  TGHashtableUpdate update(*this);
  ClearAll();
  TakeTableSettings(*this, source);
  if (!text.empty() && Engine()) Engine()->Parser().ExecuteText(text);
}

}  // namespace vettora
