// Harness: an evaluation file (*.evl) read as File > Open reads it. A file
// that reads is written again and read back, and must give the same
// applicant: what Save writes, Open has to take.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/evaluation_file.h"
#include "fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > vettora::fuzz::kMaxInputBytes) return 0;
  vettora::TApplicant applicant;
  try {
    vettora::ReadEvaluationText(std::string(reinterpret_cast<const char*>(data), size),
                                "fuzz.evl", applicant);
  } catch (const vettora::EEvaluationFileError&) {
    return 0;
  }
  vettora::TApplicant again;
  try {
    vettora::ReadEvaluationText(vettora::EvaluationText(applicant), "saved.evl", again);
  } catch (const vettora::EEvaluationFileError& error) {
    std::fprintf(stderr, "a saved evaluation file does not read back: %s\n", error.what());
    std::abort();
  }
  if (!(again == applicant)) {
    std::fprintf(stderr, "a saved evaluation file reads back as another applicant\n");
    std::abort();
  }
  return 0;
}
