#pragma once
// An open access to the settings file. Accesses to the same path that overlap share one
// in-memory image: the general options' load and save open the file and, while it is
// open, the command and watching lists open it again. Reads see every write made through
// any access; the file on disk is replaced in one piece when the last access closes, so
// the lists' writes are never lost and never written half. Accesses are matched by the
// exact path text; the program names its one settings file the same way everywhere.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class CIniFile {
 public:
  // Joins the open image of `path`, or reads the file (a missing or unreadable file
  // reads as empty).
  explicit CIniFile(const std::filesystem::path& path);
  // Leaves without reporting: the last access writes the changes, unless it is being
  // left because of an exception, which drops them.
  ~CIniFile();
  CIniFile(const CIniFile&) = delete;
  CIniFile& operator=(const CIniFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Whether the file could be read when the shared image was made (false: missing).
  bool Existed() const;
  bool KeyExists(std::string_view section, std::string_view key) const;
  // The stored text (see ProfileText), or `defaultValue` when the key is absent.
  std::string ReadString(std::string_view section, std::string_view key,
                         const std::string& defaultValue) const;
  // The stored integer, or `defaultValue` when the key is absent or holds no integer.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

  // Leaves the image. The last access writes it if anything was written; returns false
  // only when that write failed, in which case the file is as it was before. Nothing but
  // Path may be called afterwards.
  bool Close();

  struct Image;  // the shared image of one open file (IniFile.cpp)

 private:
  void Leave(bool write, bool& written);

  std::filesystem::path path_;
  std::shared_ptr<Image> image_;  // null once closed
  int uncaughtAtOpen_;
};
