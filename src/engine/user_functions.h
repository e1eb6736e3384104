#pragma once
// TUserFunctions: the functions an engine can call, by name (capacity 403,
// load factor 0.75): built-in functions of its packages, deffunctions and
// host functions. A filed function lists the engine among its reasoners.

#include <string>
#include <string_view>
#include <vector>

#include "functions/user_function.h"
#include "values/object.h"
#include "values/string_hashtable.h"

namespace vettora {

class TInferenceEngine;

class TUserFunctions : public TObject {
 public:
  using TTable = TIStringHashTable<TIEUserFunction>;

  explicit TUserFunctions(TInferenceEngine* engine) : FEngine(engine) {}
  TUserFunctions(const TUserFunctions&) = delete;
  TUserFunctions& operator=(const TUserFunctions&) = delete;
  ~TUserFunctions();

  [[nodiscard]] int32_t Count() const { return FTable.Count(); }
  [[nodiscard]] int32_t DeffunctionCount() const { return FDeffunctionCount; }
  [[nodiscard]] IUserFunction Find(std::string_view name) const;
  [[nodiscard]] const TTable& Table() const { return FTable; }

  // Files the function under `name`, which must be its own ("Function names
  // do not match: %s and %s"). The same function again changes nothing;
  // another of that name is replaced (dcOverwrite), kept (dcIgnore) or
  // refused (dcError: "Function Name already exists: \"%s\""). A
  // deffunction takes the next definition sequence number. Raises
  // OnAddUserFunction.
  void Add(const std::string& name, const IUserFunction& function);
  // Removes the function filed under `name` (OnRemoveUserFunction).
  bool Remove(std::string_view name);
  // Removes `function` when it is the one filed under its name.
  bool RemoveFunction(const IUserFunction& function);
  // Removes every deffunction; built-in and host functions stay.
  void RemoveDeffunctions();
  // Detaches every function and empties the table.
  void Clear();

  // CR LF and the text of each deffunction, in definition order.
  [[nodiscard]] std::string Text() const;
  // The deffunctions in definition order (ascending sequence numbers).
  [[nodiscard]] std::vector<IUserFunction> Deffunctions() const;

  // Copies `source` inside an update bracket: the table settings, the
  // functions that are not deffunctions (attached to this engine; this
  // engine's own ones of the same names stay, so its packages keep
  // working whatever becomes of the source), then each deffunction in
  // definition order, made again from its text here. With
  // `skipFailures` a deffunction that does not read is left out and the
  // answer is false; otherwise its error propagates.
  bool CopyFrom(const TUserFunctions& source, bool skipFailures);
  void Assign(const TUserFunctions& source) { (void)CopyFrom(source, false); }
  // Makes the source's deffunctions again here (those that read);
  // false when one failed.
  bool AddDeffunctionsOf(const TUserFunctions& source);

 private:
  void Detach(const IUserFunction& function);
  void AddParsed(const std::string& text);

  TInferenceEngine* FEngine;  // not owned
  TTable FTable{403, 0.75f};
  int32_t FDeffunctionCount = 0;
  // The last definition sequence number handed to a deffunction.
  int32_t FLastSequence = 0;
};

// Whether the function is a deffunction (written in the rule language).
[[nodiscard]] bool IsDeffunction(const TIEUserFunction& function);

}  // namespace vettora
