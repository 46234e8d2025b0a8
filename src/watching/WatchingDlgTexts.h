#pragma once
// Captions and messages of the watching dialog, as code page 932 bytes.
namespace texts::watching {
extern const char* const Caption;
extern const char* const GroupName;
extern const char* const GroupWindowTitle;
extern const char* const Translucent;
extern const char* const Alpha;
extern const char* const AlphaRange;
extern const char* const Position;
extern const char* const Left;
extern const char* const Top;
extern const char* const Frame;
extern const char* const FramePosition;
extern const char* const FrameRange;
extern const char* const Add;
extern const char* const Cancel;
extern const char* const NameEmpty;
extern const char* const WindowTitleEmpty;
extern const char* const AlphaOutOfRange;
extern const char* const FrameOutOfRange;
extern const char* const AlreadyShown;
}  // namespace texts::watching
