#include "watching/AboutBoxTexts.h"

namespace texts::about {
const char* const Caption = "バージョン情報";
const char* const FontName = "ＭＳ Ｐゴシック";
const char* const ProductName = "プロダクト名";
const char* const Version = "version ";
const char* const Copyright = "著作権表記";
const char* const Ok = "OK";
}  // namespace texts::about
