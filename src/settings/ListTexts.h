#pragma once
// The list store's own texts, as code page 932 bytes.
#include <string>

namespace texts::lists {
// Captions of the entry dialog's OK button: "add" for a new entry, "edit" otherwise.
extern const char* const AddCaption;
extern const char* const EditCaption;
// "A window that is already shown cannot be made modal."
extern const char* const DialogAlreadyShown;
// "No more can be added (at most <limit>)."
std::string ListFull(int limit);
}  // namespace texts::lists
