#include "settings/IniFile.h"

#include <exception>
#include <map>

#include "platform/File.h"
#include "settings/IniDocument.h"
#include "settings/IniValues.h"

struct CIniFile::Image {
  std::filesystem::path path;
  CIniDocument document;
  int users = 0;
  bool changed = false;
  bool existed = false;  // the file could be read when the image was made
};

namespace {

// The images of the files open right now. Everything runs on the GUI thread, and an
// entry lives only while some Load or Save has its file open.
// Keyed by the path's exact characters.
using PathChars = std::filesystem::path::string_type;
std::map<PathChars, std::shared_ptr<CIniFile::Image>>& OpenImages() {
  static std::map<PathChars, std::shared_ptr<CIniFile::Image>> images;
  return images;
}

// The memory of the last image closed (emptied) and of the last bytes written, for the next
// open and the next write: a file of thousands of entries is read and written at every load
// and save of the options, and tables of its size freshly allocated each time came from the
// system and were faulted in again page by page.
CIniDocument& SpareDocument() {
  static CIniDocument spare;
  return spare;
}
std::string& WriteBuffer() {
  static std::string bytes;
  return bytes;
}

}  // namespace

CIniFile::CIniFile(const std::filesystem::path& path)
    : path_(path), uncaughtAtOpen_(std::uncaught_exceptions()) {
  auto& images = OpenImages();
  auto found = images.find(path.native());
  if (found != images.end()) {
    image_ = found->second;
  } else {
    image_ = std::make_shared<Image>();
    image_->path = path;
    std::string bytes;
    // On failure `bytes` is empty: the file reads as empty.
    image_->existed = ReadWholeFile(path, bytes);
    image_->document = std::move(SpareDocument());
    image_->document.Read(std::move(bytes));
    images.emplace(path.native(), image_);
  }
  ++image_->users;
}

CIniFile::~CIniFile() {
  bool written = true;
  Leave(std::uncaught_exceptions() <= uncaughtAtOpen_, written);
}

bool CIniFile::Close() {
  bool written = true;
  Leave(true, written);
  return written;
}

void CIniFile::Leave(bool write, bool& written) {
  if (!image_) return;
  std::shared_ptr<Image> image = std::move(image_);
  if (--image->users > 0) return;
  OpenImages().erase(image->path.native());
  if (write && image->changed) {
    image->document.Serialize(WriteBuffer());
    written = ReplaceFileAtomically(image->path, WriteBuffer());
  }
  image->document.Read(std::string());
  SpareDocument() = std::move(image->document);
}

bool CIniFile::Existed() const {
  return image_->existed;
}

bool CIniFile::KeyExists(std::string_view section, std::string_view key) const {
  return image_->document.Find(section, key).has_value();
}

std::string CIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& defaultValue) const {
  auto stored = image_->document.Find(section, key);
  return stored ? ProfileText(*stored) : defaultValue;
}

int CIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  auto stored = image_->document.Find(section, key);
  int value = defaultValue;
  if (stored && ParseProfileInteger(*stored, value)) return value;
  return defaultValue;
}

void CIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  image_->document.Set(section, key, value);
  image_->changed = true;
}

void CIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}
