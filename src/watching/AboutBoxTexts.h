#pragma once
// Captions of the version box, as code page 932 bytes.
namespace texts::about {
extern const char* const Caption;
extern const char* const FontName;
extern const char* const ProductName;
extern const char* const Version;
extern const char* const Copyright;
extern const char* const Ok;
}  // namespace texts::about
