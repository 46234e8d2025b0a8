#include "toolkit/Scaling.h"

#include "toolkit/Forms.h"

namespace {

// value * numerator / denominator, rounded half away from zero as the platform's MulDiv.
int MulDivRounded(int value, int numerator, int denominator) {
  if (denominator <= 0) return value;
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

}  // namespace

int ScaleValue(int value, int pixelsPerInch) {
  return MulDivRounded(value, pixelsPerInch, DesignPixelsPerInch);
}

int UnscaleValue(int pixels, int pixelsPerInch) {
  return MulDivRounded(pixels, DesignPixelsPerInch, pixelsPerInch);
}

TRect ScaledBoundsOnForm(const TControl& control, int pixelsPerInch) {
  int left = control.Left(), top = control.Top();
  for (const TControl* parent = control.Parent(); parent && parent->Parent();
       parent = parent->Parent()) {
    left += parent->Left();
    top += parent->Top();
  }
  return {ScaleValue(left, pixelsPerInch), ScaleValue(top, pixelsPerInch),
          ScaleValue(left + control.Width(), pixelsPerInch),
          ScaleValue(top + control.Height(), pixelsPerInch)};
}

int LayoutPixelsPerInch(const TForm& form) {
  return form.Scaled ? form.PixelsPerInch() : DesignPixelsPerInch;
}
