#pragma once
// The arithmetic of the strip of frames. Frames are stacked along one axis, each the size
// of the screen: the rectangle around every monitor, whose top-left corner may lie at
// negative coordinates. A window's frame follows from its coordinates alone. Each function
// taking a TSize is the same for a screen whose top-left corner is (0, 0).
#include <vector>

#include "platform/Desktop.h"

// The most frames the options allow.
constexpr int kMostFrames = 10;

// Windows keeps window positions within about this many pixels either side of (0, 0).
constexpr int kCoordinateLimit = 32000;

// The "VirtualDesktop" option.
enum TStrip : int { StripNone = 0, StripVertical = 1, StripHorizontal = 2 };

// Axes along which windows are parked, as a set.
enum TAxes : unsigned { AxisNone = 0, AxisX = 1, AxisY = 2 };
TAxes AxesOf(int strip);

// The offset from one frame to the next: (0, H) vertical, (W, 0) horizontal, else (0, 0).
TPoint FrameStepFor(int strip, TSize screen);

// The screen whose top-left corner is (0, 0).
inline TRect ScreenAtOrigin(TSize screen) {
  return {0, 0, screen.Width, screen.Height};
}

// The rectangle around `monitors`; empty for none.
TRect MonitorsUnion(const std::vector<TMonitor>& monitors);

// The most frames a strip over `screen` can have with every parked window, whichever
// frame is current, within kCoordinateLimit; at least 1. Without a strip, any number.
int LargestFrameCount(int strip, TRect screen);

// `index` within 0..count - 1; a count below 1 counts as 1.
int ClampFrame(int index, int count);

// `r` moved by `times` frame steps.
TRect OffsetByFrames(TRect r, TPoint step, int times);

// The frame holding a window whose restore rectangle is `normal`, when `current` is on
// the screen. Only the coordinate along the strip counts: when it is negative it is first
// taken one frame back; the division then truncates toward zero.
int FrameOfRestoreRect(TRect normal, int strip, TRect screen, int current);
inline int FrameOfRestoreRect(TRect normal, int strip, TSize screen, int current) {
  return FrameOfRestoreRect(normal, strip, ScreenAtOrigin(screen), current);
}

// `normal` folded onto the screen along `axes`: each pulled coordinate becomes its
// remainder modulo the screen size, never negative; the size is kept and the other axis
// is left alone.
TRect PulledIntoScreen(TRect normal, TRect screen, TAxes axes);
inline TRect PulledIntoScreen(TRect normal, TSize screen, TAxes axes) {
  return PulledIntoScreen(normal, ScreenAtOrigin(screen), axes);
}

// The frame to start at when the screen is declared to be frame `initial`: windows lying
// wholly before the first frame along the strip and off every monitor (`monitors`, the
// rectangle around them all) were parked by an earlier run that ended while a later frame
// was on the screen; the start frame then becomes the one that brings the farthest of them
// (by its centre) back into the strip, never earlier than `initial`. A window farther
// away than the strip is long was not parked by the program and does not count.
int StartFrameReaching(const std::vector<TRect>& windows, int strip, TRect screen, TRect monitors,
                       int initial, int count);
inline int StartFrameReaching(const std::vector<TRect>& windows, int strip, TSize screen,
                              TRect monitors, int initial, int count) {
  return StartFrameReaching(windows, strip, ScreenAtOrigin(screen), monitors, initial, count);
}

// How many frames along the strip the window's centre lies from the screen (floor).
int FramesAway(TRect r, int strip, TRect screen);
inline int FramesAway(TRect r, int strip, TSize screen) {
  return FramesAway(r, strip, ScreenAtOrigin(screen));
}

// The axes along which `r` lies wholly beside `monitors` (the rectangle around them all),
// within reach of the longest strip; none when it overlaps them.
TAxes StrandedAxes(TRect r, TRect monitors, TSize screen);

// `r` moved, its size kept, to lie within `area`; one larger than `area` is put at its
// left or top edge.
TRect KeptWithin(TRect r, TRect area);

// `r` moved along `axes` by the whole number of screens nearest to its offset, so that a
// maximized window, which overlaps its frame by its border, lands on the screen.
TRect NearestScreenPosition(TRect r, TRect screen, TAxes axes);
inline TRect NearestScreenPosition(TRect r, TSize screen, TAxes axes) {
  return NearestScreenPosition(r, ScreenAtOrigin(screen), axes);
}

// A window at `r`, `away` frames from the old screen, moved to lie `newAway` frames from
// the new screen at the same place relative to its frame's top-left corner, kept within
// that frame (and shrunk to it when larger) so that it shows on no other.
TRect Reparked(TRect r, int away, int newAway, int strip, TRect oldScreen, TRect newScreen);
