#include "watching/WatchingDlgTexts.h"

namespace texts::watching {
const char* const Caption = "アプリケーションの監視";
const char* const GroupName = "名前";
const char* const GroupWindowTitle = "監視するウィンドウタイトル";
const char* const Translucent = "半透明";
const char* const Alpha = "透明度:";
const char* const AlphaRange = "(1 ～ 255)";
const char* const Position = "位置の指定";
const char* const Left = "左:";
const char* const Top = "上:";
const char* const Frame = "仮想画面の位置";
const char* const FramePosition = "位置:";
const char* const FrameRange = "(1 ～ 10)";
const char* const Add = "追加";
const char* const Cancel = "キャンセル";
const char* const NameEmpty = "「名前」が空欄です";
const char* const WindowTitleEmpty = "「監視するウィンドウタイトル」が空欄です";
const char* const AlphaOutOfRange = "「透明度」が範囲を超えています";
const char* const FrameOutOfRange = "「仮想画面の位置」が範囲を超えています";
const char* const AlreadyShown = "表示されているウィンドウをモーダルにすることはできません";
}  // namespace texts::watching
