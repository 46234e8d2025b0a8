#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/File.h"

namespace {

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, so that a failing close (which can report a lost write) is seen.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes the rename itself durable; failure here does not undo the replacement.
void SyncDirectoryOf(const std::filesystem::path& path) {
  const std::string& name = path.native();
  std::string::size_type slash = name.rfind('/');
  std::string dir = slash == std::string::npos ? "." : name.substr(0, slash + 1);
  Descriptor d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.Get() >= 0) ::fsync(d.Get());
}

}  // namespace

bool FileExists(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  Descriptor d(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (d.Get() < 0) return false;
  struct stat info {};
  if (::fstat(d.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::string result;
  result.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(d.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    result.append(buffer, static_cast<std::size_t>(got));
  }
  bytes = std::move(result);
  return true;
}

bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path temporary = TemporaryPathFor(path);
  // Keep the permissions of the file being replaced.
  mode_t mode = 0644;
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) {
    // A file without any write permission counts as read-only and is not replaced, as
    // Windows refuses a file with the read-only attribute (which Wine keeps as these bits),
    // whoever runs the program.
    if ((old.st_mode & 0222) == 0) return false;
    mode = old.st_mode & 07777;
  }

  Descriptor d(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
  if (d.Get() < 0) return false;
  bool ok = WriteAll(d.Get(), bytes) && ::fsync(d.Get()) == 0;
  ok = d.Close() && ok;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncDirectoryOf(path);
  return true;
}

std::string PathText(const std::filesystem::path& path) {
  // The bytes as the file system has them; the tests name plain ASCII folders.
  return path.native();
}
