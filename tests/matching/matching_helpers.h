#pragma once
// Facts for the matching tests: a template with slots, and implied facts
// holding their fields in "__Data".

#include <functional>
#include <initializer_list>
#include <string>

#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "values/value_vector.h"

namespace vettora::testing {

inline IIEValue ListOf(std::initializer_list<IIEValue> items) {
  IValueVector list = MakeRef<TValueVector>();
  for (const IIEValue& v : items) list->Add(v);
  return MakeList(list);
}

// An implied fact (name fields...) with the given ID.
inline IFact Implied(const IFactTemplate& t, int32_t id, std::initializer_list<IIEValue> fields) {
  IFact fact = t->CreateFact();
  fact->SetSlotValue(kImpliedSlotName, ListOf(fields));
  fact->SetID(id);
  return fact;
}

inline IFactTemplate ImpliedTemplate(const std::string& name) {
  IFactTemplate t = MakeRef<TFactTemplate>(name);
  t->AddMultiSlot(kImpliedSlotName, EmptyListValue());
  return t;
}

inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace vettora::testing
