#include "settings/SettingsTexts.h"

namespace texts::settings {
const char* const TranslucentAlphaOutOfRange = "「半透明の度合い」が範囲を超えています";
const char* const VirtualDesktopCountOutOfRange = "「仮想画面の個数」が範囲を超えています";
const char* const InitialFrameOutOfRange = "「最初の位置」が範囲を超えています";
const char* const MiniWidthOutOfRange = "「縮んだときの幅」が範囲を超えています";

std::string VirtualDesktopCountTooLarge(int largest) {
  return "「仮想画面の個数」が範囲を超えています。今のモニターで使える仮想画面は " +
         std::to_string(largest) + " 個までです。";
}

std::string WriteFailed(const std::string& path) {
  return "設定ファイル「" + path + "」に書き込めませんでした。設定は保存されていません。";
}
}  // namespace texts::settings
