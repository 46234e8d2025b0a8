#pragma once
// Texts the options dialog, its menus and the version box show, typed independently of
// the product's (code page 932 bytes).
namespace option_test::expected {
extern const char* const ColumnName;
extern const char* const ColumnHotKey;
extern const char* const ColumnWindowTitle;
extern const char* const MenuOption;
extern const char* const MenuSaveSize;
extern const char* const MenuFixed;
extern const char* const MenuAbout;
extern const char* const MenuStartWithWindows;
extern const char* const MenuExit;
extern const char* const StartWithWindowsFailed;
extern const char* const TipMovesRefused;
extern const char* const AddCaption;
extern const char* const EditCaption;
extern const char* const Tabs[5];
extern const char* const JapaneseName;
// A list holding as many entries as a list can.
extern const char* const ListFull;
}  // namespace option_test::expected
