#include "settings/ListTexts.h"

namespace texts::lists {
const char* const AddCaption = "追加";
const char* const EditCaption = "編集";
const char* const DialogAlreadyShown = "表示されているウィンドウをモーダルにすることはできません";

std::string ListFull(int limit) {
  return "これ以上は追加できません（最大 " + std::to_string(limit) + " 個）";
}
}  // namespace texts::lists
