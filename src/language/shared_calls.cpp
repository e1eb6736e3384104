#include "language/shared_calls.h"

#include <bit>
#include <cstdint>

namespace vettora {

namespace {

bool AppendCall(const TFunctionCall& call, std::string& key);

bool AppendValue(const IIEValue& value, std::string& key) {
  if (!value) {
    key += "_;";
    return true;
  }
  key += std::to_string(int(value->DType())) + "/" + std::to_string(value->Tag()) + ":";
  switch (value->DType()) {
    case dtAtom:
    case dtString:
    case dtVariable:
    case dtMultiVariable:
      key += std::to_string(value->Text().size()) + "=" + value->Text();
      break;
    case dtInteger:
      key += std::to_string(value->AsInteger());
      break;
    case dtFloat:
      // Printed floats are rounded; the bits tell every float apart.
      key += std::to_string(std::bit_cast<uint64_t>(value->AsFloat()));
      break;
    case dtFunCall: {
      const auto* inner = dynamic_cast<const TFunctionCall*>(value->AsFunCall().Get());
      if (!inner || !AppendCall(*inner, key)) return false;
      break;
    }
    default:
      return false;
  }
  key += ";";
  return true;
}

bool AppendCall(const TFunctionCall& call, std::string& key) {
  key += "(" + std::to_string(call.FunctionName().size()) + "=" + call.FunctionName() + "#" +
         std::to_string(call.Tag()) + "%" + std::to_string(call.Comment().size()) + "=" +
         call.Comment();
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    if (!AppendValue(call.Argument(i), key)) return false;
  key += ")";
  return true;
}

}  // namespace

std::string SharingKey(const TFunctionCall& call) {
  std::string key;
  return AppendCall(call, key) ? key : std::string();
}

IFunCall TSharedCalls::Share(IFunCall call) {
  if (!call) return call;
  std::string key = SharingKey(*call);
  if (key.empty()) return call;
  auto [it, added] = FCalls.try_emplace(std::move(key), call);
  if (!added) return it->second;
  if (FCalls.size() >= FPurgeAt) Purge();
  return call;
}

void TSharedCalls::Purge() {
  for (auto it = FCalls.begin(); it != FCalls.end();)
    it = it->second->RefCount() == 1 ? FCalls.erase(it) : std::next(it);
  FPurgeAt = 2 * FCalls.size() + 1024;
}

}  // namespace vettora
