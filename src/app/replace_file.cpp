// ReplaceFile: a temporary file beside the target, written to the last
// byte, synced, and renamed over the target.
#include "app/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace vettora {

namespace {

// Every byte or the first error; a short write is retried so the error
// behind it (EFBIG, ENOSPC) is the one reported.
bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

// A replaced file keeps its permissions; a new one gets the usual ones.
mode_t ModeFor(const std::string& fileName) {
  struct stat old {};
  if (::stat(fileName.c_str(), &old) == 0) return old.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string ReplaceFile(const std::string& fileName, const std::string& text) {
  std::string pattern = fileName + ".XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  bool ok = ::fchmod(fd, ModeFor(fileName)) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.data(), fileName.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (ok) return {};
  ::unlink(temp.data());
  return std::strerror(error);
}

}  // namespace vettora
