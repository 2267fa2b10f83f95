#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::function<bool(const std::string&)> g_beforeRename;

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return content.str();
}

bool WriteFileAtomically(const std::string& path, std::string_view content) {
  const std::string temporary = path + ".tmp." + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
  int reason = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    reason = errno;
  }
  if (ok && g_beforeRename && !g_beforeRename(temporary)) {
    ok = false;
    reason = EIO;
  }
  if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false;
    reason = errno;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    errno = reason;
    return false;
  }
  // Make the rename itself durable.
  const std::string directory = std::filesystem::path(path).parent_path().string();
  const int dirFd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

FileLock::FileLock(const std::string& path) {
  fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

void KeepCorruptFileAside(const std::string& path) { ::rename(path.c_str(), (path + ".corrupt").c_str()); }

bool EnsureDirectory(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

namespace atomic_file_seam {
void SetBeforeRename(std::function<bool(const std::string&)> hook) { g_beforeRename = std::move(hook); }
}  // namespace atomic_file_seam
