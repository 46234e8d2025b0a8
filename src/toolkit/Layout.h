#pragma once
// Creating a control in its place: owner, parent and bounds in one call, as a form's
// design would give them.
#include "toolkit/Control.h"

template <class T>
T* Place(TComponent* owner, TControl* parent, const char* name, int left, int top, int width,
         int height) {
  T* control = Create<T>(owner, name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}
