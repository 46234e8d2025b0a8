#include "settings/ListTexts.h"

namespace texts::lists {
const char* const AddCaption = "追加";
const char* const EditCaption = "編集";
const char* const DialogAlreadyShown = "表示されているウィンドウをモーダルにすることはできません";
}  // namespace texts::lists
