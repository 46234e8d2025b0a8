#include "SettingsTestSupport.h"

namespace settings_test::expected {
const char* const AlphaOutOfRange = "「半透明の度合い」が範囲を超えています";
const char* const CountOutOfRange = "「仮想画面の個数」が範囲を超えています";
const char* const CountTooLarge8 =
    "「仮想画面の個数」が範囲を超えています。今のモニターで使える仮想画面は 8 個までです。";
const char* const InitialFrameOutOfRange = "「最初の位置」が範囲を超えています";
const char* const MiniWidthOutOfRange = "「縮んだときの幅」が範囲を超えています";
const char* const NotAnIntegerEmpty = "'' は整数ではありません";
// ソ and 表 end in the byte 0x5C, the backslash the encoding doubles.
const char* const JapaneseMemoText = "ソフト\\n表示\r\n表\\";
}  // namespace settings_test::expected
