// TPropertyStore: ordered stored properties and their JSON form.
#include "values/property_store.h"

#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

namespace {

using TJson = nlohmann::ordered_json;

TJson ToJsonValue(const TPropertyStore::TValue& value) {
  return std::visit([](const auto& v) { return TJson(v); }, value);
}

TPropertyStore::TValue FromJsonValue(const std::string& name, const TJson& json) {
  switch (json.type()) {
    case TJson::value_t::string:
      return json.get<std::string>();
    case TJson::value_t::boolean:
      return json.get<bool>();
    case TJson::value_t::number_integer:
      return json.get<int64_t>();
    case TJson::value_t::number_unsigned:
      if (json.get<uint64_t>() <= uint64_t(std::numeric_limits<int64_t>::max()))
        return int64_t(json.get<uint64_t>());
      return json.get<double>();
    case TJson::value_t::number_float:
      return json.get<double>();
    case TJson::value_t::array: {
      TPropertyStore::TStrings list;
      for (const TJson& item : json) {
        if (!item.is_string()) throw EIEException(FormatMessage(kInvalidStoredProperties, {name}));
        list.push_back(item.get<std::string>());
      }
      return list;
    }
    default:
      throw EIEException(FormatMessage(kInvalidStoredProperties, {name}));
  }
}

}  // namespace

const TPropertyStore::TValue* TPropertyStore::Find(std::string_view name) const {
  auto it = FIndex.find(std::string(name));
  return it == FIndex.end() ? nullptr : &FProperties[it->second].Value;
}

void TPropertyStore::Write(std::string_view name, TValue value) {
  auto [it, added] = FIndex.try_emplace(std::string(name), FProperties.size());
  if (added)
    FProperties.push_back({std::string(name), std::move(value)});
  else
    FProperties[it->second].Value = std::move(value);
}

bool TPropertyStore::Remove(std::string_view name) {
  auto it = FIndex.find(std::string(name));
  if (it == FIndex.end()) return false;
  FProperties.erase(FProperties.begin() + std::ptrdiff_t(it->second));
  FIndex.clear();
  for (size_t i = 0; i < FProperties.size(); ++i) FIndex[FProperties[i].Name] = i;
  return true;
}

void TPropertyStore::Clear() {
  FProperties.clear();
  FIndex.clear();
}

const TPropertyStore::TValue& TPropertyStore::Get(std::string_view name) const {
  const TValue* value = Find(name);
  if (!value) throw EIEException(FormatMessage(kPropertyNotFound, {name}));
  return *value;
}

template <class T>
const T& TPropertyStore::GetAs(std::string_view name, const char* kind) const {
  const T* typed = std::get_if<T>(&Get(name));
  if (!typed) throw EIEException(FormatMessage(kPropertyWrongKind, {name, kind}));
  return *typed;
}

const std::string& TPropertyStore::ReadString(std::string_view name) const {
  return GetAs<std::string>(name, "text");
}

int32_t TPropertyStore::ReadInteger(std::string_view name) const {
  int64_t value = GetAs<int64_t>(name, "integer");
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kPropertyWrongKind, {name, "integer"}));
  return int32_t(value);
}

double TPropertyStore::ReadFloat(std::string_view name) const {
  const TValue& value = Get(name);
  if (const auto* whole = std::get_if<int64_t>(&value)) return double(*whole);
  if (const auto* fraction = std::get_if<double>(&value)) return *fraction;
  throw EIEException(FormatMessage(kPropertyWrongKind, {name, "number"}));
}

bool TPropertyStore::ReadBool(std::string_view name) const { return GetAs<bool>(name, "Boolean"); }

const TPropertyStore::TStrings& TPropertyStore::ReadStrings(std::string_view name) const {
  return GetAs<TStrings>(name, "list of strings");
}

std::string TPropertyStore::ToJson() const {
  TJson json = TJson::object();
  for (const TProperty& property : FProperties) json[property.Name] = ToJsonValue(property.Value);
  return json.dump(2);
}

void TPropertyStore::FromJson(std::string_view text) {
  TJson json = TJson::parse(text.begin(), text.end(), nullptr, false);
  if (json.is_discarded() || !json.is_object())
    throw EIEException(FormatMessage(kInvalidStoredProperties, {"not a JSON object"}));
  TPropertyStore loaded;
  for (const auto& [name, value] : json.items()) loaded.Write(name, FromJsonValue(name, value));
  *this = std::move(loaded);
}

void TPropertyStore::SaveToFile(const std::string& fileName) const {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EIEException(FormatMessage(kPropertyFileCreate, {fileName}));
  file << ToJson() << '\n';
  if (!file) throw EIEException(FormatMessage(kPropertyFileCreate, {fileName}));
}

void TPropertyStore::LoadFromFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EIEException(FormatMessage(kPropertyFileOpen, {fileName}));
  std::ostringstream text;
  text << file.rdbuf();
  FromJson(text.str());
}

}  // namespace vettora
