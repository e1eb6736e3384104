#pragma once
// Writing a file so that it is either replaced whole or left as it was:
// the text goes to a new temporary file beside the target, is flushed to
// disk, and only then renamed over the target. A failure on the way (a
// full disk, a size limit, no permission) removes the temporary file and
// leaves the old file untouched.

#include <string>

namespace vettora {

// Answers an empty text on success, otherwise the reason for the failure
// (the system's error text).
[[nodiscard]] std::string ReplaceFile(const std::string& fileName, const std::string& text);

}  // namespace vettora
