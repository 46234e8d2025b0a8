#pragma once
// Forms are laid out in pixels at 96 DPI. A form shown on a monitor of another DPI keeps
// that layout; the backend scales it to the monitor's pixels when it places the windows.
// The arithmetic lives here, in one place, so that the headless backend answers as the
// real one does.
#include "platform/Desktop.h"

class TControl;
class TForm;

constexpr int DesignPixelsPerInch = 96;

// `value` in layout units at `pixelsPerInch`, rounded to the nearest pixel.
int ScaleValue(int value, int pixelsPerInch);
// Pixels at `pixelsPerInch` back to layout units, rounded likewise.
int UnscaleValue(int pixels, int pixelsPerInch);

// The control's rectangle in its form's client pixels at `pixelsPerInch`. Its edges, not
// its size, are scaled from the form's corner, so controls that touch or keep apart at 96
// DPI still do at any other.
TRect ScaledBoundsOnForm(const TControl& control, int pixelsPerInch);

// The DPI the form's layout is scaled to: its monitor's when it is scaled, else 96 (its
// sizes are pixels already).
int LayoutPixelsPerInch(const TForm& form);
