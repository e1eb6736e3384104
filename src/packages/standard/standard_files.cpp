// remove, rename, dribble-on, dribble-off, load, save and batch: the
// standard functions that work on whole files.
#include "packages/standard/standard_files.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "functions/engine_services.h"
#include "matching/context.h"

namespace vettora {

namespace {

// Whether anything, even a dangling link, has that name.
bool NameTaken(const std::string& fileName) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(fileName, error));
}

bool Readable(const std::string& fileName) {
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

std::string FileName(const TFunctionCall& call, TIEContext& context) {
  return EvaluateArg(call, 0, context)->AsString();
}

}  // namespace

// ---- remove, rename -----------------------------------------------------------

TRemoveFunction::TRemoveFunction()
    : TStandardFunction("remove", "Deletes the file; returns TRUE if it was deleted",
                        " [<file-name>]", 1, 1) {}

IIEValue TRemoveFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return BoolValue(std::remove(FileName(call, context).c_str()) == 0);
}

TRenameFunction::TRenameFunction()
    : TStandardFunction("rename",
                        "Renames the file; returns TRUE on success, FALSE when the file "
                        "cannot be renamed or the new name is taken",
                        " [<old-file-name> <new-file-name>]", 2, 2) {}

// The file system would silently replace a file of the new name; refusing
// keeps that file.
IIEValue TRenameFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string from = FileName(call, context);
  std::string to = EvaluateArg(call, 1, context)->AsString();
  if (NameTaken(to)) return FalseValue();
  return BoolValue(std::rename(from.c_str(), to.c_str()) == 0);
}

// ---- dribble-on, dribble-off --------------------------------------------------

TDribbleOnFunction::TDribbleOnFunction()
    : TStandardFunction("dribble-on",
                        "Copies everything written to the standard output into the file",
                        " <filename>", 1, 1) {}

IIEValue TDribbleOnFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return BoolValue(EngineOf(context).DribbleOn(FileName(call, context)));
}

TDribbleOffFunction::TDribbleOffFunction()
    : TStandardFunction("dribble-off", "Ends the copying of the standard output to a file", "", 0,
                        0) {}

IIEValue TDribbleOffFunction::Execute(TFunctionCall&, TIEContext& context) {
  return BoolValue(EngineOf(context).DribbleOff());
}

// ---- load, save, batch --------------------------------------------------------

TLoadFunction::TLoadFunction()
    : TStandardFunction("load",
                        "Replaces the knowledge base by the constructs of the file and resets",
                        " <filename>", 1, 1) {}

IIEValue TLoadFunction::Execute(TFunctionCall& call, TIEContext& context) {
  EngineOf(context).LoadFromFile(FileName(call, context));
  return TrueValue();
}

TSaveFunction::TSaveFunction()
    : TStandardFunction("save", "Writes the whole knowledge base to the file as text",
                        " <filename>", 1, 1) {}

IIEValue TSaveFunction::Execute(TFunctionCall& call, TIEContext& context) {
  EngineOf(context).SaveToFile(FileName(call, context));
  return TrueValue();
}

TBatchFunction::TBatchFunction()
    : TStandardFunction("batch",
                        "Executes the commands of the file as if they were typed; FALSE when "
                        "the file cannot be read",
                        " <filename>", 1, 1) {}

// A missing file is a FALSE result rather than an error; errors of the
// commands in the file propagate.
IIEValue TBatchFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string fileName = FileName(call, context);
  if (!Readable(fileName)) return FalseValue();
  return BoolValue(EngineOf(context).Batch(fileName));
}

}  // namespace vettora
