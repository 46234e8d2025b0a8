#include "OptionDlgTestTexts.h"

namespace option_test::expected {
const char* const ColumnName = "名前";
const char* const ColumnHotKey = "ショートカットキー";
const char* const ColumnWindowTitle = "ウィンドウタイトル";
const char* const MenuOption = "オプション(&O)";
const char* const MenuSaveSize = "位置とサイズを保存(&S)";
const char* const MenuFixed = "位置の固定(&F)";
const char* const MenuAbout = "バージョン情報(&A)";
const char* const MenuStartWithWindows = "Windows の起動時に実行(&W)";
const char* const MenuExit = "終了(&X)";
const char* const StartWithWindowsFailed =
    "Windows の起動時に実行する設定をレジストリに書き込めませんでした。";
const char* const TipMovesRefused = "移動できないウィンドウがありました";
const char* const AddCaption = "追加";
const char* const EditCaption = "編集";
const char* const Tabs[5] = {"全般", "仮想画面", "仮装画面の移動", "ショートカット", "監視"};
// 表 ends in the byte 0x5C.
const char* const JapaneseName = "表示ソフト";
const char* const ListFull = "これ以上は追加できません（最大 49146 個）";
}  // namespace option_test::expected
