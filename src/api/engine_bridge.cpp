// The public engine's inner part: wiring the engine's events to the
// public handlers and translating its errors.
#include "api/engine_bridge.h"

#include <iostream>

#include "api/value_conversion.h"
#include "knowledge/fact.h"
#include "knowledge/fact_slot.h"
#include "knowledge/fact_template.h"
#include "matching/rule.h"
#include "reader/parse_exception.h"
#include "values/exceptions.h"

namespace vettora {

namespace {

// The engine ends its lines with CR LF; hosts get LF.
std::string WithLineFeeds(const std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] != '\r' || i + 1 >= text.size() || text[i + 1] != '\n') plain += text[i];
  return plain;
}

}  // namespace

void ThrowEngineError() {
  try {
    throw;
  } catch (const EEngineError&) {
    throw;
  } catch (const EIEParseException& error) {
    throw EEngineError(error.what(), error.LineNumber());
  } catch (const std::exception& error) {
    throw EEngineError(error.what());
  } catch (const EIEAbort&) {
    throw EEngineError("exit was called");
  }
}

TEngine::TImpl::TImpl() {
  Engine.OnPrintOut = [this](TObject&, const std::string& outId, const std::string& text) {
    PrintOut(outId, text);
  };
  Engine.OnAssertion = [this](TObject&, const IFact& fact) {
    if (OnAssertion && fact) OnAssertion(View(*fact));
  };
  Engine.OnRetraction = [this](TObject&, const IFact& fact) {
    if (OnRetraction && fact) OnRetraction(View(*fact));
  };
  Engine.OnRuleFired = [this](TObject&, TRule& rule) {
    if (OnRuleFired) OnRuleFired(rule.RuleName());
  };
  Engine.OnReset = [this](TObject&) {
    if (OnReset) OnReset();
  };
  Engine.OnClear = [this](TObject&) {
    if (OnClear) OnClear();
  };
}

TEngine::TImpl::~TImpl() = default;

void TEngine::TImpl::PrintOut(const std::string& outId, const std::string& text) {
  std::string plain = WithLineFeeds(text);
  if (OnPrintOut) {
    OnPrintOut(outId.empty() ? "t" : outId, plain);
    return;
  }
  std::ostream& out = Output ? *Output : std::cout;
  out << plain;
  out.flush();
}

TFactView TEngine::TImpl::View(TFact& fact) {
  TFactView view;
  view.ID = fact.ID();
  view.Text = fact.Text();
  if (const IFactTemplate& factTemplate = fact.Template()) {
    view.TemplateName = factTemplate->Name();
    for (const IFactSlot& slot : factTemplate->SlotsInOrder())
      view.Slots.emplace_back(slot->Name(), ToPublicValue(fact.GetSlotValue(slot->Name())));
  }
  return view;
}

}  // namespace vettora
