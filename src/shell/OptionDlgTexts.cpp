#include "shell/OptionDlgTexts.h"

namespace texts::option {
const char* const Caption = "ダイアログ";
const char* const FontName = "ＭＳ Ｐゴシック";
const char* const Ok = "OK";
const char* const Cancel = "キャンセル";

const char* const TabGeneral = "全般";
const char* const TabVirtualDesktop = "仮想画面";
const char* const TabMoving = "仮装画面の移動";
const char* const TabCommands = "ショートカット";
const char* const TabWatching = "監視";

const char* const GroupCurrentApplication = "現在のアプリケーション";
const char* const HotKeyTranslucent = "半透明:";
const char* const TranslucentAlpha = "半透明の度合い:";
const char* const TranslucentAlphaRange = "(1 ～ 255)";
const char* const HotKeyGetInfo = "情報の取得:";
const char* const GroupSnapping = "スナッピング";
const char* const SnappingKeyLabel = "使用するキー:";
const char* const SnappingKeyItems[4] = {"使わない", "SHIFT", "CTRL", "ALT"};

const char* const RadioVirtualDesktop = "仮想画面を";
const char* const VirtualDesktopItems[3] = {"使わない", "縦で使う", "横で使う"};
const char* const GroupVirtualDesktop = "仮想画面";
const char* const VirtualDesktopCount = "仮想画面の個数:";
const char* const VirtualDesktopCountRange = "(1 ～ 10)";
const char* const VirtualDesktopInitialFrame = "最初の位置:";
const char* const VirtualDesktopInitialFrameRange = "(1 ～ 個数)";
const char* const VirtualDesktopMiniWidth = "縮んだときの幅:";
const char* const VirtualDesktopMiniWidthRange = "(8 ～ 64)";
const char* const RadioInactive = "非アクティブのとき";
const char* const InactiveItems[3] = {"なにもしない", "小さく", "透明に"};

const char* const GroupMoving = "仮装画面の移動";
const char* const HotKeyUp = "上へ移動:";
const char* const HotKeyDown = "下へ移動:";
const char* const HotKeyLeft = "左へ移動:";
const char* const HotKeyRight = "右へ移動:";
const char* const GroupOtherMoves = "その他の移動";
const char* const MoveActiveFrame = "アクティブになったウィンドウのあるフレームに移動する";

const char* const ColumnName = "名前";
const char* const ColumnHotKey = "ショートカットキー";
const char* const ColumnWindowTitle = "ウィンドウタイトル";

const char* const MenuAdd = "追加(&A)";
const char* const MenuRemove = "削除(&R)";
const char* const MenuEdit = "編集(&E)";
const char* const MenuUp = "上へ(&U)";
const char* const MenuDown = "下へ(&D)";

const char* const MenuOption = "オプション(&O)";
const char* const MenuSaveSize = "位置とサイズを保存(&S)";
const char* const MenuFixed = "位置の固定(&F)";
const char* const MenuAbout = "バージョン情報(&A)";
const char* const MenuStartWithWindows = "Windows の起動時に実行(&W)";
const char* const MenuExit = "終了(&X)";
const char* const StartWithWindowsFailed =
    "Windows の起動時に実行する設定をレジストリに書き込めませんでした。";

const char* const TipMovesRefused = "移動できないウィンドウがありました";
}  // namespace texts::option
