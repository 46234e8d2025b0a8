#pragma once
// Moving a value between an item and its bound control.
class COptionItem;

// Shows the item's value in its control.
void ValueToControl(const COptionItem& item);

// Takes the control's state into the item's value. An integer item bound to an edit
// whose text is no integer throws EConvertError naming the text, and keeps its value.
void ControlToValue(COptionItem& item);
