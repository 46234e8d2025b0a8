#include "commands/CommandDlgTexts.h"

namespace texts::command {
const char* const Caption = "コマンドの登録";
const char* const GroupName = "名前";
const char* const GroupWindowTitles = "アクティブにするウィンドウタイトルのリスト";
const char* const GroupStart = "コマンドの起動";
const char* const HotKey = "ホットキー:";
const char* const Program = "コマンドライン:";
const char* const Browse = "...";
const char* const Add = "追加";
const char* const Cancel = "キャンセル";
const char* const NameEmpty = "「名前」が空欄です";
const char* const ExecutableFilter = "実行ファイル(*.exe)|*.exe";
}  // namespace texts::command
