#include <windows.h>

#include <string>

#include "platform/File.h"
#include "platform/win32/Cp932.h"

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (Valid()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

}  // namespace

bool FileExists(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return false;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  const std::wstring& wide = path.native();
  if (wide.empty()) return false;
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return false;
  std::string result;
  result.reserve(static_cast<std::size_t>(size.QuadPart));
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) break;
    result.append(buffer, got);
  }
  bytes = std::move(result);
  return true;
}

bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  const std::wstring& target = path.native();
  const std::wstring temporary = TemporaryPathFor(path).native();
  if (target.empty() || temporary.empty()) return false;
  // A read-only file is not replaced, as Windows' MoveFileEx refuses to; Wine renames over
  // it, so the attribute is looked at here.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }

  Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  bool ok = true;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (ok && left > 0) {
    DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
    DWORD written = 0;
    ok = WriteFile(file.Get(), data, chunk, &written, nullptr) && written == chunk;
    data += written;
    left -= written;
  }
  ok = ok && FlushFileBuffers(file.Get());
  ok = file.Close() && ok;
  ok = ok && MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

std::string PathText(const std::filesystem::path& path) {
  return WideToCp932(path.native());
}
