#pragma once
// Captions and messages of the command dialog, as code page 932 bytes.
namespace texts::command {
extern const char* const Caption;
extern const char* const GroupName;
extern const char* const GroupWindowTitles;
extern const char* const GroupStart;
extern const char* const HotKey;
extern const char* const Program;
extern const char* const Browse;
extern const char* const Add;
extern const char* const Cancel;
extern const char* const NameEmpty;
extern const char* const ExecutableFilter;
}  // namespace texts::command
