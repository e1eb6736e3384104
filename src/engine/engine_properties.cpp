// TInferenceEngine: its stored properties -- the published settings and the
// knowledge base as lists of rule-language texts -- written to and read
// from a TPropertyStore.
//
// Properties are written in declaration order, each collection under its
// own name ("FactTemplates.Capacity", "FactTemplates.Templates"), then
// "FactsList" and "FactSets". Reading applies each property in the store's
// order, so reading a store replays the order it was written in.
#include <functional>
#include <string>
#include <unordered_map>

#include "engine/collection_text.h"
#include "engine/construct_factory.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/engine_variables.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "engine/setting_names.h"
#include "values/custom_hashtable.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/property_store.h"

namespace vettora {

namespace {

using TStrings = TPropertyStore::TStrings;
using TReader = std::function<void(const std::string& name)>;

constexpr const char* kHashTypeNames[] = {"htTruncation", "htDivision", "htMidSquare", "htFolding"};

// The hash method a collection's table starts with.
constexpr TGHashType kTableHashType = htDivision;

[[noreturn]] void BadSetting(const std::string& name, const std::string& value) {
  throw EIEException(FormatMessage(kBadStoredSetting, {name, value}));
}

template <size_t N>
uint8_t ReadEnum(const TPropertyStore& store, const std::string& name,
                 const char* const (&names)[N]) {
  const std::string& text = store.ReadString(name);
  for (size_t i = 0; i < N; ++i)
    if (text == names[i]) return uint8_t(i);
  BadSetting(name, text);
}

// The names of a set's members, in ordinal order.
template <class E, class TSet, size_t N>
TStrings SetNames(const TSet& set, const char* const (&names)[N]) {
  TStrings list;
  for (size_t i = 0; i < N; ++i)
    if (set.Contains(E(i))) list.push_back(names[i]);
  return list;
}

template <class E, class TSet, size_t N>
TSet ReadSet(const TPropertyStore& store, const std::string& name, const char* const (&names)[N]) {
  TSet set;
  for (const std::string& member : store.ReadStrings(name)) {
    size_t i = 0;
    while (i < N && member != names[i]) ++i;
    if (i == N) BadSetting(name, member);
    set.Include(E(i));
  }
  return set;
}

void WriteTableSettings(TPropertyStore& store, const std::string& prefix,
                        const TGCustomHashtable& table) {
  store.WriteInteger(prefix + ".Capacity", int64_t(table.Capacity()));
  store.WriteFloat(prefix + ".LoadFactor", double(table.LoadFactor()));
  if (table.HashType() != kTableHashType)
    store.WriteString(prefix + ".HashType", kHashTypeNames[table.HashType()]);
}

void WriteList(TPropertyStore& store, const std::string& name, TStrings list) {
  if (!list.empty()) store.WriteStrings(name, std::move(list));
}

// Readers of a collection's table settings. A capacity below 1 would drop
// the entries behind the collection's back, so it is refused.
void AddTableReaders(std::unordered_map<std::string, TReader>& readers, const TPropertyStore& store,
                     const std::string& prefix, TGCustomHashtable& table) {
  readers[prefix + ".Capacity"] = [&store, &table](const std::string& name) {
    int32_t capacity = store.ReadInteger(name);
    if (capacity < 1 || uint32_t(capacity) > TGCustomHashtable::kMaxCapacity)
      BadSetting(name, std::to_string(capacity));
    table.SetCapacity(uint32_t(capacity));
  };
  readers[prefix + ".LoadFactor"] = [&store, &table](const std::string& name) {
    double factor = store.ReadFloat(name);
    if (!(factor >= TGCustomHashtable::kMinLoadFactor &&
          factor <= TGCustomHashtable::kMaxLoadFactor))
      BadSetting(name, FormatFloatDefault(factor));
    table.SetLoadFactor(float(factor));
  };
  readers[prefix + ".HashType"] = [&store, &table](const std::string& name) {
    table.SetHashType(TGHashType(ReadEnum(store, name, kHashTypeNames)));
  };
}

// A float setting of 0..1 (a single-precision published property).
float ReadUnit(const TPropertyStore& store, const std::string& name) {
  double value = store.ReadFloat(name);
  if (!(value >= 0.0 && value <= 1.0)) BadSetting(name, FormatFloatDefault(value));
  return float(value);
}

}  // namespace

// The stored texts are read back: floats keep every digit.
void TInferenceEngine::WriteProperties(TPropertyStore& store) {
  TReadBackText exact;
  if (FDuplicateConstructs != dcOverwrite)
    store.WriteString("DuplicateConstructs", kDuplicateNames[FDuplicateConstructs]);
  if (!(FPackages == TFunctionPackages::All()))
    store.WriteStrings("Packages", SetNames<TFunctionPackage>(FPackages, kPackageNames));
  if (FFactDuplication) store.WriteBool("FactDuplication", true);
  if (!FFuzzyAutoTerms) store.WriteBool("FuzzyAutoTerms", false);
  if (FFuzzyCorrelationMethod != fcmMinimum)
    store.WriteString("FuzzyCorrelationMethod", kCorrelationNames[FFuzzyCorrelationMethod]);
  if (FFuzzyInferenceMethod != fimMinMax)
    store.WriteString("FuzzyInferenceMethod", kInferenceNames[FFuzzyInferenceMethod]);
  if (FFuzzyEqualsThreshold != 0.01f)
    store.WriteFloat("FuzzyEqualsThreshold", double(FFuzzyEqualsThreshold));
  if (FMinActivationStrength != 0.0f)
    store.WriteFloat("MinActivationStrength", double(FMinActivationStrength));
  WriteTableSettings(store, "DefinedTypes", FDefinedTypes->TableSettings());
  WriteList(store, "DefinedTypes.DefTypes", FDefinedTypes->Texts());
  WriteTableSettings(store, "FactTemplates", FFactTemplates->Table());
  WriteList(store, "FactTemplates.Templates", FFactTemplates->Texts());
  WriteTableSettings(store, "GlobalVariables", *FGlobalVariables);
  WriteList(store, "GlobalVariables.Variables", FGlobalVariables->Texts());
  if (FParserErrorHandling != ehRaiseImmediate)
    store.WriteString("ParserErrorHandling", kErrorHandlingNames[FParserErrorHandling]);
  if (FParserMaxErrors != 10) store.WriteInteger("ParserMaxErrors", FParserMaxErrors);
  WriteTableSettings(store, "Rules", FRules->TableSettings());
  WriteList(store, "Rules.Rules", FRules->Texts());
  if (!FResetGlobals) store.WriteBool("ResetGlobals", false);
  if (FStrategy != ssDepthFirst) store.WriteString("Strategy", kStrategyNames[FStrategy]);
  if (FSymbolIndex != 1) store.WriteInteger("SymbolIndex", FSymbolIndex);
  if (!(FTypeChecks == TTypeChecks{tcStatic}))
    store.WriteStrings("TypeChecks", SetNames<TTypeCheck>(FTypeChecks, kTypeCheckNames));
  if (!FWatch.Empty()) store.WriteStrings("Watch", SetNames<TConstructWatch>(FWatch, kWatchNames));
  WriteList(store, "FactsList", FFacts->Texts());
  WriteList(store, "FactSets", FFactSets->OwnTexts());
}

void TInferenceEngine::ReadProperties(const TPropertyStore& store) {
  const TPropertyStore& s = store;
  std::unordered_map<std::string, TReader> readers;
  readers["DuplicateConstructs"] = [&](const std::string& n) {
    FDuplicateConstructs = TDuplicateConstructs(ReadEnum(s, n, kDuplicateNames));
  };
  readers["Packages"] = [&](const std::string& n) {
    SetPackages(ReadSet<TFunctionPackage, TFunctionPackages>(s, n, kPackageNames));
  };
  readers["FactDuplication"] = [&](const std::string& n) { FFactDuplication = s.ReadBool(n); };
  readers["FuzzyAutoTerms"] = [&](const std::string& n) { FFuzzyAutoTerms = s.ReadBool(n); };
  readers["FuzzyCorrelationMethod"] = [&](const std::string& n) {
    FFuzzyCorrelationMethod = TFuzzyCorrelationMethod(ReadEnum(s, n, kCorrelationNames));
  };
  readers["FuzzyInferenceMethod"] = [&](const std::string& n) {
    FFuzzyInferenceMethod = TFuzzyInferenceMethod(ReadEnum(s, n, kInferenceNames));
  };
  readers["FuzzyEqualsThreshold"] = [&](const std::string& n) {
    SetFuzzyEqualsThreshold(ReadUnit(s, n));
  };
  readers["MinActivationStrength"] = [&](const std::string& n) {
    SetMinActivationStrength(ReadUnit(s, n));
  };
  AddTableReaders(readers, s, "DefinedTypes", FDefinedTypes->TableSettings());
  readers["DefinedTypes.DefTypes"] = [&](const std::string& n) {
    for (const std::string& text : s.ReadStrings(n))
      FDefinedTypes->Add(Parser().ParseDefinedType(text));
  };
  AddTableReaders(readers, s, "FactTemplates", FFactTemplates->Table());
  readers["FactTemplates.Templates"] = [&](const std::string& n) {
    // Emptying the templates empties the facts and rules with them; the
    // engine's own implied templates are made again.
    FFactTemplates->Clear();
    DropSpecialConstructs();
    CreateSpecialConstructs();
    for (const std::string& text : s.ReadStrings(n))
      FFactTemplates->Add(Parser().ParseFactTemplate(text));
  };
  AddTableReaders(readers, s, "GlobalVariables", *FGlobalVariables);
  readers["GlobalVariables.Variables"] = [&](const std::string& n) {
    for (const std::string& text : s.ReadStrings(n)) {
      IIEValue value;
      std::string name = Parser().ParseVariable(text, value);
      FGlobalVariables->Add(name, value);
    }
  };
  readers["ParserErrorHandling"] = [&](const std::string& n) {
    FParserErrorHandling = TErrorHandling(ReadEnum(s, n, kErrorHandlingNames));
  };
  readers["ParserMaxErrors"] = [&](const std::string& n) { FParserMaxErrors = s.ReadInteger(n); };
  AddTableReaders(readers, s, "Rules", FRules->TableSettings());
  readers["Rules.Rules"] = [&](const std::string& n) {
    for (const std::string& text : s.ReadStrings(n)) AddParsedRule(*this, Parser().ParseRule(text));
  };
  readers["ResetGlobals"] = [&](const std::string& n) { FResetGlobals = s.ReadBool(n); };
  readers["Strategy"] = [&](const std::string& n) {
    SetStrategy(TSearchStrategy(ReadEnum(s, n, kStrategyNames)));
  };
  readers["SymbolIndex"] = [&](const std::string& n) { SetSymbolIndex(s.ReadInteger(n)); };
  readers["TypeChecks"] = [&](const std::string& n) {
    FTypeChecks = ReadSet<TTypeCheck, TTypeChecks>(s, n, kTypeCheckNames);
  };
  readers["Watch"] = [&](const std::string& n) {
    FWatch = ReadSet<TConstructWatch, TConstructWatches>(s, n, kWatchNames);
  };
  readers["FactsList"] = [&](const std::string& n) {
    for (const std::string& text : s.ReadStrings(n)) AssertString(text);
  };
  readers["FactSets"] = [&](const std::string& n) {
    for (const std::string& text : s.ReadStrings(n))
      AddParsedFactSet(*this, Parser().ParseFactSet(text));
  };
  for (const TPropertyStore::TProperty& property : store.Properties()) {
    auto reader = readers.find(property.Name);
    if (reader == readers.end())
      throw EIEException(FormatMessage(kUnknownStoredProperty, {property.Name}));
    reader->second(property.Name);
  }
}

}  // namespace vettora
