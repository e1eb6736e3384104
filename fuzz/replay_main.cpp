// A main for the harnesses in builds without libFuzzer: every file named
// on the command line, and every file inside each folder named there, is
// read and handed to LLVMFuzzerTestOneInput once, in name order. A crash
// or sanitizer report fails the run as it would fail fuzzing; so does a
// corpus that holds no input, which would otherwise pass without testing
// anything.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

// The files an argument names, sorted so that runs are repeatable.
std::vector<fs::path> InputsOf(const fs::path& argument) {
  std::vector<fs::path> inputs;
  std::error_code error;
  if (!fs::is_directory(argument, error)) {
    inputs.push_back(argument);
    return inputs;
  }
  for (const auto& entry : fs::directory_iterator(argument, error))
    if (entry.is_regular_file(error)) inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

bool Replay(const fs::path& input) {
  std::ifstream file(input, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", input.c_str());
    return false;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // An empty input is passed as a valid, non-null pointer, as libFuzzer does.
  static const uint8_t kNothing = 0;
  const auto* data = bytes.empty() ? &kNothing : reinterpret_cast<const uint8_t*>(bytes.data());
  (void)LLVMFuzzerTestOneInput(data, bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& input : InputsOf(argv[i])) {
      if (!Replay(input)) return 1;
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "no input to replay\n");
    return 1;
  }
  std::printf("replayed %d inputs\n", replayed);
  return 0;
}
