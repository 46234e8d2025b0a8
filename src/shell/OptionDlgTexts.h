#pragma once
// Captions of the options dialog and the tray menu, as code page 932 bytes.
namespace texts::option {
extern const char* const Caption;
extern const char* const FontName;
extern const char* const Ok;
extern const char* const Cancel;
// Tabs, in their order.
extern const char* const TabGeneral;
extern const char* const TabVirtualDesktop;
extern const char* const TabMoving;
extern const char* const TabCommands;
extern const char* const TabWatching;
// Tab "general".
extern const char* const GroupCurrentApplication;
extern const char* const HotKeyTranslucent;
extern const char* const TranslucentAlpha;
extern const char* const TranslucentAlphaRange;
extern const char* const HotKeyGetInfo;
extern const char* const GroupSnapping;
extern const char* const SnappingKeyLabel;
extern const char* const SnappingKeyItems[4];
// Tab "virtual screens".
extern const char* const RadioVirtualDesktop;
extern const char* const VirtualDesktopItems[3];
extern const char* const GroupVirtualDesktop;
extern const char* const VirtualDesktopCount;
extern const char* const VirtualDesktopCountRange;
extern const char* const VirtualDesktopInitialFrame;
extern const char* const VirtualDesktopInitialFrameRange;
extern const char* const VirtualDesktopMiniWidth;
extern const char* const VirtualDesktopMiniWidthRange;
extern const char* const RadioInactive;
extern const char* const InactiveItems[3];
// Tab "moving between virtual screens".
extern const char* const GroupMoving;
extern const char* const HotKeyUp;
extern const char* const HotKeyDown;
extern const char* const HotKeyLeft;
extern const char* const HotKeyRight;
extern const char* const GroupOtherMoves;
extern const char* const MoveActiveFrame;
// The grids' header row.
extern const char* const ColumnName;
extern const char* const ColumnHotKey;
extern const char* const ColumnWindowTitle;
// The grid menu.
extern const char* const MenuAdd;
extern const char* const MenuRemove;
extern const char* const MenuEdit;
extern const char* const MenuUp;
extern const char* const MenuDown;
// The tray menu.
extern const char* const MenuOption;
extern const char* const MenuSaveSize;
extern const char* const MenuFixed;
extern const char* const MenuAbout;
extern const char* const MenuStartWithWindows;
extern const char* const MenuExit;
// The start-with-Windows item could not change the registry.
extern const char* const StartWithWindowsFailed;
// The tray icon's tip, below the program's name, after a switch of virtual screens left
// windows behind.
extern const char* const TipMovesRefused;
}  // namespace texts::option
