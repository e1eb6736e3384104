#pragma once
// TFunctionTable: an engine's functions by name, with the engine-wide
// duplicate-name policy applied on registration. An engine's function
// collection files and finds its functions through it; each filed function
// lists the engine among its reasoners while it is filed.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "functions/duplicate_constructs.h"
#include "functions/reasoner.h"
#include "functions/user_function.h"

namespace vettora {

class TFunctionTable {
 public:
  // What an Add did. `Replaced` is the function an overwrite took out.
  struct TAddResult {
    bool Added = false;
    IUserFunction Replaced;
  };

  explicit TFunctionTable(IReasoner* reasoner) : FReasoner(reasoner) {}
  TFunctionTable(const TFunctionTable&) = delete;
  TFunctionTable& operator=(const TFunctionTable&) = delete;
  ~TFunctionTable() { Clear(); }

  // Files `function` under `name`, which must be its own name ("Function
  // names do not match: %s and %s"). The same function again changes
  // nothing. Another function of that name is replaced (dcOverwrite; it is
  // detached), kept (dcIgnore; the new one is dropped) or refused (dcError,
  // "Function Name already exists: \"%s\"").
  TAddResult Add(const std::string& name, const IUserFunction& function,
                 TDuplicateConstructs policy);
  // Takes out and detaches the function filed under `name`.
  IUserFunction Remove(std::string_view name);
  // Takes out `function` only when it is the one filed under its name.
  bool RemoveFunction(const IUserFunction& function);
  // Detaches every function and empties the table.
  void Clear();

  [[nodiscard]] IUserFunction Find(std::string_view name) const;
  [[nodiscard]] int32_t Count() const { return int32_t(FFunctions.size()); }
  // How many of the filed functions are deffunctions.
  [[nodiscard]] int32_t DeffunctionCount() const { return FDeffunctionCount; }
  void ForEach(const std::function<void(const IUserFunction&)>& visit) const;

 private:
  struct TNameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  void Detach(const IUserFunction& function);

  IReasoner* FReasoner;
  std::unordered_map<std::string, IUserFunction, TNameHash, std::equal_to<>> FFunctions;
  int32_t FDeffunctionCount = 0;
};

}  // namespace vettora
