#pragma once
// Capture fields: read-only edits in which the user sets a hot key by pressing it.
// Modifiers alone show as "Ctrl+" while held and clear the field when released; a
// completed combination stays.
#include <cstdint>

#include "toolkit/Control.h"

class Desktop;
class TCustomEdit;

void HotKeyCaptureKeyDown(Desktop& desktop, TCustomEdit& field, std::uint16_t key,
                          TShiftState shift);
void HotKeyCaptureKeyPress(char16_t& key);
void HotKeyCaptureKeyUp(TCustomEdit& field);
// Makes `field` a capture field: read-only, with the three handlers above.
void MakeHotKeyCaptureField(Desktop& desktop, TCustomEdit& field);
