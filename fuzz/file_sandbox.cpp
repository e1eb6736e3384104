// TFileSandbox: file names rewritten into one scratch folder.
#include "fuzz/file_sandbox.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "fuzz/function_wrap.h"
#include "functions/function_call.h"
#include "values/exceptions.h"

namespace vettora::fuzz {

namespace {

// Which arguments of a file function are file names.
struct TFileArguments {
  std::string_view Function;
  uint32_t Positions;  // bit i: argument i
  // Only names with this ending are files (a plot's other outputs are
  // stream names); empty for every name.
  std::string_view Suffix;
};

constexpr TFileArguments kFileFunctions[] = {
    {"batch", 1u << 0, ""},  {"dribble-on", 1u << 0, ""},         {"load", 1u << 0, ""},
    {"load-facts", 1u << 0, ""}, {"open", 1u << 0, ""},            {"remove", 1u << 0, ""},
    {"rename", 1u << 0 | 1u << 1, ""}, {"save", 1u << 0, ""},      {"save-facts", 1u << 0, ""},
    {"plot-fuzzy-value", 1u << 0, ".svg"},
};

const TFileArguments* FileArgumentsOf(const std::string& name) {
  for (const TFileArguments& entry : kFileFunctions)
    if (entry.Function == name) return &entry;
  return nullptr;
}

bool EndsWith(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

class TSandboxedFunction : public TWrappedFunction {
 public:
  TSandboxedFunction(IUserFunction original, const TFileArguments& files, TFileSandbox& sandbox)
      : TWrappedFunction(std::move(original)), FFiles(files), FSandbox(sandbox) {}

 protected:
  // The original runs on a call of constants: each argument is evaluated
  // here exactly once, as the original would have evaluated it.
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    IFunCall constants = MakeRef<TFunctionCall>(Original());
    for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
      IIEValue value = call.EvaluateArgument(i, context);
      if (!value) value = NilValue();
      if (i < 32 && (FFiles.Positions & (1u << i)) != 0) value = FileName(value);
      constants->AddArgument(value);
    }
    return Original()->Call(*constants, &context);
  }

 private:
  IIEValue FileName(const IIEValue& value) {
    std::string name = value->AsString();
    if (!EndsWith(name, FFiles.Suffix)) return value;
    return MakeString(FSandbox.PathOf(name));
  }

  const TFileArguments& FFiles;
  TFileSandbox& FSandbox;
};

}  // namespace

TFileSandbox::~TFileSandbox() {
  if (FFolder.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(FFolder, error);
}

TFileSandbox& TFileSandbox::Process() {
  static TFileSandbox sandbox;
  return sandbox;
}

IUserFunction TFileSandbox::Wrap(const IUserFunction& function) {
  // A wrapper of either kind already stands on a sandboxed function.
  if (dynamic_cast<const TWrappedFunction*>(function.Get())) return {};
  const TFileArguments* files = FileArgumentsOf(function->FunctionName());
  if (!files) return {};
  return MakeRef<TSandboxedFunction>(function, *files, *this);
}

std::string TFileSandbox::PathOf(const std::string& name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos)
    throw EIEException("The fuzz sandbox refuses the file name \"" + name + "\"");
  return Folder() + "/" + name;
}

void TFileSandbox::Clean() {
  if (FFolder.empty()) return;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(FFolder, error))
    std::filesystem::remove_all(entry.path(), error);
}

const std::string& TFileSandbox::Folder() {
  if (!FFolder.empty()) return FFolder;
  std::error_code error;
  std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  std::string pattern = (error ? std::string("/tmp") : temp.string()) + "/vettora-fuzz-XXXXXX";
  if (!mkdtemp(pattern.data())) throw EIEException("The fuzz sandbox cannot make its folder");
  FFolder = pattern;
  return FFolder;
}

}  // namespace vettora::fuzz
