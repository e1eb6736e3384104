#pragma once
// The signatures of the engine's events. Every event passes the engine as
// its sender first; an event is raised only when a handler is assigned.

#include <cstdint>
#include <functional>
#include <string>

#include "functions/user_function.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "reader/stream_token.h"
#include "values/object.h"

namespace vettora {

class TActivation;
class TRule;

using TNotifyEvent = std::function<void(TObject& sender)>;
using TActivationIndexEvent =
    std::function<void(TObject& sender, int32_t index, TActivation& activation)>;
using TDefinedTypeEvent = std::function<void(TObject& sender, const IIEDefinedType& type)>;
using TRuleEvent = std::function<void(TObject& sender, TRule& rule)>;
using TUserFunctionEvent = std::function<void(TObject& sender, const IUserFunction& function)>;
using TFactEvent = std::function<void(TObject& sender, const IFact& fact)>;
using TEndInferenceEvent = std::function<void(TObject& sender, int32_t rulesFired)>;
using TFuzzyCorrelationEvent =
    std::function<void(TObject& sender, const IFact& fact, double strength, bool& done)>;
using TFuzzyInferenceEvent =
    std::function<void(TObject& sender, const IFact& fact1, const IFact& fact2, bool& done)>;
using TFactTemplateEvent = std::function<void(TObject& sender, const IFactTemplate& factTemplate)>;
using TPrintOutEvent =
    std::function<void(TObject& sender, const std::string& outId, const std::string& text)>;
using TReadLineEvent =
    std::function<void(TObject& sender, const std::string& inId, std::string& text)>;
using TReadTokenEvent =
    std::function<void(TObject& sender, const std::string& inId, IStreamToken& token)>;

}  // namespace vettora
