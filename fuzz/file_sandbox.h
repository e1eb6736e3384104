#pragma once
// TFileSandbox: keeps the rule language's file functions inside one
// scratch folder, so that a fuzz input can save, load, open, rename and
// remove files without reaching any file of the machine.
//
// The functions that take file names (batch, dribble-on, load, load-facts,
// open, remove, rename, save, save-facts, and plot-fuzzy-value when it
// writes an .svg file) are wrapped: their arguments are evaluated once, in
// order, each file name is turned into a path inside the folder, and the
// function runs on those values. A name that could leave the folder (one
// holding a path separator, "." or "..", or empty) is refused with an
// error, as a file that cannot be opened would be.
//
// The folder is made on first use, emptied by Clean between inputs, and
// removed when the sandbox goes.

#include <string>

#include "functions/user_function.h"

namespace vettora::fuzz {

class TFileSandbox {
 public:
  TFileSandbox() = default;
  ~TFileSandbox();
  TFileSandbox(const TFileSandbox&) = delete;
  TFileSandbox& operator=(const TFileSandbox&) = delete;

  // The sandbox of this process.
  [[nodiscard]] static TFileSandbox& Process();

  // The function wrapped when it takes file names; an empty handle for any
  // other, and for one already wrapped.
  [[nodiscard]] IUserFunction Wrap(const IUserFunction& function);

  // The path inside the folder for a file name of the input; raises
  // EIEException for a name that could leave it.
  [[nodiscard]] std::string PathOf(const std::string& name);
  // Removes everything the last input left in the folder.
  void Clean();

 private:
  const std::string& Folder();

  std::string FFolder;
};

}  // namespace vettora::fuzz
