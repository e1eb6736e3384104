#pragma once
// TFileSizeLimit: for its lifetime, no file of this process may grow beyond
// a few bytes -- a write failing half way, as on a full disk. SIGXFSZ is
// ignored meanwhile so the write reports EFBIG instead of ending the test.

#include <sys/resource.h>

#include <csignal>

namespace vettora {

class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &FSaved);
    FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = FSaved;
    limited.rlim_cur = bytes;
    FActive = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FSaved);
    std::signal(SIGXFSZ, FPreviousHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
  [[nodiscard]] bool Active() const { return FActive; }

 private:
  rlimit FSaved{};
  void (*FPreviousHandler)(int) = nullptr;
  bool FActive = false;
};

}  // namespace vettora
