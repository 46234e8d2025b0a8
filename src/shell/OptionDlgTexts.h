#pragma once
// Captions of the options dialog and the tray menu, as code page 932 bytes.
namespace texts::option {
extern const char* const Caption;
extern const char* const FontName;
extern const char* const Ok;
extern const char* const Cancel;
extern const char* const HotKeyTranslucent;
extern const char* const TranslucentAlpha;
extern const char* const HotKeyGetInfo;
extern const char* const SnappingKeyItems[4];
extern const char* const RadioVirtualDesktop;
extern const char* const VirtualDesktopItems[3];
extern const char* const VirtualDesktopCount;
extern const char* const VirtualDesktopInitialFrame;
extern const char* const VirtualDesktopMiniWidth;
extern const char* const RadioInactive;
extern const char* const InactiveItems[3];
extern const char* const HotKeyUp;
extern const char* const HotKeyDown;
extern const char* const HotKeyLeft;
extern const char* const HotKeyRight;
extern const char* const MoveActiveFrame;
extern const char* const MenuOption;
extern const char* const MenuSaveSize;
extern const char* const MenuFixed;
extern const char* const MenuAbout;
extern const char* const MenuExit;
}  // namespace texts::option
