#pragma once
// The member names of the engine's enumeration and set settings, in ordinal
// order: the texts its stored properties and its published properties
// (the host runtime) use.

#include <cstddef>

namespace vettora {

inline constexpr const char* kDuplicateNames[] = {"dcOverwrite", "dcIgnore", "dcError"};
inline constexpr const char* kPackageNames[] = {"pStandard",      "pPredicate", "pMath",
                                                "pMiscellaneous", "pString",    "pObject",
                                                "pTrigonometry",  "pBusiness",  "pFuzzyLogic"};
inline constexpr const char* kCorrelationNames[] = {"fcmMinimum", "fcmProduct"};
inline constexpr const char* kInferenceNames[] = {"fimMinMax", "fimAdditive", "fimMean",
                                                  "fimProduct", "fimBoundedSum"};
inline constexpr const char* kErrorHandlingNames[] = {"ehRaiseImmediate", "ehRaiseAllAtEnd"};
inline constexpr const char* kStrategyNames[] = {"ssDepthFirst", "ssBreadthFirst"};
inline constexpr const char* kTypeCheckNames[] = {"tcStatic", "tcDynamic"};
inline constexpr const char* kWatchNames[] = {"cwActivation", "cwFact", "cwRule", "cwCompilation",
                                              "cwStatistics"};

}  // namespace vettora
