#include "values/value_type.h"

namespace vettora {

const char* TypeName(TIEType kind) {
  static constexpr const char* kNames[kTIETypeCount] = {
      "dtNone",   "dtAtom",       "dtString",   "dtInteger",         "dtVariable",
      "dtFactId", "dtFloat",      "dtFunCall",  "dtFact",            "dtList",
      "dtDescriptor", "dtObject", "dtClass",    "dtExternalAddress", "dtSingletons",
      "dtFuzzy",  "dtMultiVariable", "dtSlot",  "dtMultiSlot",
  };
  unsigned i = unsigned(kind);
  return i < unsigned(kTIETypeCount) ? kNames[i] : "dtNone";
}

}  // namespace vettora
