#pragma once
// Whole-file reads and crash-safe replacement of small files, and the lock
// that serialises read-modify-write cycles between running copies.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes a temporary file beside `path`, flushes it to disk and renames it
// over `path`: readers see the old file or the new one, never a part.
// False (errno set) when any step fails; the old file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// An exclusive lock on `path` + ".lock", held for the object's life.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Moves an unreadable file aside as `path` + ".corrupt" (replacing an older
// one) so that the next write does not destroy what a person may want back.
void KeepCorruptFileAside(const std::string& path);

// Creates the directory and its parents; false when it cannot.
bool EnsureDirectory(const std::string& path);

namespace atomic_file_seam {
// Called after the temporary file is complete and before the rename; a
// test may make it fail (return false) or end the process there.
void SetBeforeRename(std::function<bool(const std::string& temporaryPath)> hook);
}  // namespace atomic_file_seam
