#pragma once
// The seam to the file system for the settings file. Paths are the program's own paths
// (std::filesystem::path: UTF-16 on Windows, so a folder name outside code page 932 such
// as "Zoë" survives from the module name to the file calls; bytes elsewhere).
#include <filesystem>
#include <string>

// Reads the whole file into `bytes`. Returns false (and leaves `bytes` empty) when the
// file is missing or cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Whether a file (not a folder) is at `path`, without reading it.
bool FileExists(const std::filesystem::path& path);

// Replaces the file with `bytes` in one piece: the bytes go to a temporary file beside
// it ("<path>.tmp"), which is flushed and then renamed over the old file, so a crash or a
// full disk leaves either the old file or the new one, never a part. Returns false when
// anything failed; the old file is then untouched. A read-only file (the DOS attribute; on
// POSIX, no write permission at all) is never replaced, whoever runs the program.
bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// The temporary file ReplaceFileAtomically writes before the rename.
inline std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  return temporary;
}

// The path as code page 932 bytes, for messages that name a file: a character the code
// page lacks shows as the system's stand-in for it.
std::string PathText(const std::filesystem::path& path);
