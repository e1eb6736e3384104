#pragma once
// TPropertyStore: the stored properties of a component -- name to text,
// number, Boolean or list of strings -- kept in the order they were
// written, which is the order they are read back in. Components write
// their published settings and their knowledge (lists of rule-language
// texts) into one and are restored from it; on disk a store is a JSON
// object whose members keep that order.
//
// Writing a name again replaces its value in place (its position stays).
// Reading a missing name or a value of another kind raises EIEException,
// so a damaged store is reported, never misread.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace vettora {

class TPropertyStore {
 public:
  using TStrings = std::vector<std::string>;
  // Whole numbers are kept apart from fractional ones so that integers
  // survive a round trip exactly.
  using TValue = std::variant<std::string, int64_t, double, bool, TStrings>;
  struct TProperty {
    std::string Name;
    TValue Value;
  };

  [[nodiscard]] int32_t Count() const { return int32_t(FProperties.size()); }
  // Every property in the order written.
  [[nodiscard]] const std::vector<TProperty>& Properties() const { return FProperties; }
  [[nodiscard]] bool Has(std::string_view name) const { return Find(name) != nullptr; }
  // The value stored under the name, or null.
  [[nodiscard]] const TValue* Find(std::string_view name) const;

  void Write(std::string_view name, TValue value);
  void WriteString(std::string_view name, std::string value) { Write(name, std::move(value)); }
  void WriteInteger(std::string_view name, int64_t value) { Write(name, value); }
  void WriteFloat(std::string_view name, double value) { Write(name, value); }
  void WriteBool(std::string_view name, bool value) { Write(name, value); }
  void WriteStrings(std::string_view name, TStrings value) { Write(name, std::move(value)); }
  bool Remove(std::string_view name);
  void Clear();

  // Each raises "Stored property not found: %s" or "Stored property %s is
  // not of the kind expected (%s)".
  [[nodiscard]] const std::string& ReadString(std::string_view name) const;
  // A whole number within -2^31..2^31-1.
  [[nodiscard]] int32_t ReadInteger(std::string_view name) const;
  // Any number.
  [[nodiscard]] double ReadFloat(std::string_view name) const;
  [[nodiscard]] bool ReadBool(std::string_view name) const;
  [[nodiscard]] const TStrings& ReadStrings(std::string_view name) const;

  // The JSON form: one object, a member per property in order.
  [[nodiscard]] std::string ToJson() const;
  // Replaces the contents by a JSON object's members; anything else (bad
  // syntax, a value that is not text, number, Boolean or list of texts)
  // raises "Invalid stored properties: %s" and leaves the store unchanged.
  void FromJson(std::string_view json);
  // "Cannot open file \"%s\"" when the file cannot be read or written.
  void SaveToFile(const std::string& fileName) const;
  void LoadFromFile(const std::string& fileName);

 private:
  [[nodiscard]] const TValue& Get(std::string_view name) const;
  template <class T>
  [[nodiscard]] const T& GetAs(std::string_view name, const char* kind) const;

  std::vector<TProperty> FProperties;
  std::unordered_map<std::string, size_t> FIndex;  // name -> position
};

}  // namespace vettora
