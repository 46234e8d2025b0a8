#pragma once
// The model of the virtual screens: frames the size of the screen (the rectangle around
// every monitor) in a strip, the current one on the real monitors, the others holding
// windows parked at whole multiples of the screen size outside it. The pager derives from it
// and supplies the hooks at the end.
#include <functional>
#include <set>
#include <vector>

#include "general/Window.h"
#include "platform/Desktop.h"

class CCustomOption;

class CVirtualScreen {
 public:
  // Takes the monitors; FollowDisplayChange takes them again.
  CVirtualScreen(Desktop& desktop, CCustomOption& options);
  virtual ~CVirtualScreen() = default;
  CVirtualScreen(const CVirtualScreen&) = delete;
  CVirtualScreen& operator=(const CVirtualScreen&) = delete;

  // The monitors as last taken, and the screen: the rectangle around them all.
  std::vector<TMonitor> Monitors;
  TRect ScreenRect;
  TSize ScreenSize;  // ScreenRect's size
  // Offset from one frame to the next, derived from the orientation at each operation.
  TPoint FrameStep;
  // Index of the frame on the real screen; kept within 0..n - 1.
  int CurrentFrame = 0;
  // The latest enumeration, without the pager; the moves update Bounds in place.
  CWindowList WindowList;
  WindowHandle LastForeground = 0;
  int LastNoticeType = 0;
  // Listed windows the system keeps out of sight (cloaked) as last asked: frame switches
  // leave them where they are and the pager neither draws them nor lets them be picked up.
  std::set<WindowHandle> CloakedWindows;
  // Listed windows whose move the last switch made was refused: they stay where they are
  // and the pager draws them marked.
  std::set<WindowHandle> RefusedWindows;
  // A switch met windows that refused to move, some not told of before (true), or moved
  // every window again after such a report (false).
  std::function<void(bool refused)> OnMovesRefused;

  // Declares the screen as found to be frame `index` (clamped); moves nothing.
  void StartAtFrame(int index);
  // As StartAtFrame, at start-up with the window list taken: where windows lie wholly
  // before the first frame and off every monitor (left so by a run killed while a later
  // frame was current), the screen is declared the frame that brings them back into reach.
  void StartAtFrameReachingParked(int index);
  // After the number of frames may have changed: CurrentFrame back within 0..n - 1.
  void ClampCurrentFrame();
  // After the options changed the strip: windows of frames that no longer exist go onto
  // the last one, windows of a turned strip onto the new axis, and with no strip onto the
  // screen, each keeping its place within its screen. True when the orientation changed.
  bool FitWindowsToStrip();

  void RefreshWindowList();
  // Moves every listed window by whole frames so that frame `index` (clamped) is on the
  // screen. The list is used as last enumerated.
  void SwitchToFrame(int index);
  // As SwitchToFrame, with the list taken first: windows moved or sized since the last
  // enumeration (by the user or by their programs) go from where they are now.
  void RefreshAndSwitchToFrame(int index);
  // Moves the window to `r` (screen coordinates) on frame `frameIndex` (clamped), or on the
  // screen for -1. False when the window was not moved (gone, or the move was refused).
  bool MoveWindowToFrame(WindowHandle window, TRect r, int frameIndex);
  // A window became active (or was minimized, restored, destroyed: notice types 1 and 4).
  void NotifyActivation(int type, WindowHandle window, bool isExplicit);
  // The windows for a command's press, pager included, in one pass with their cloaking, into
  // storage kept from one press to the next: a press then allocates next to nothing.
  const CWindowList& ListWindowsForPress();
  // NotifyActivation for a window the caller has just activated after ListWindowsForPress:
  // the pager takes that list and its cloaking over, and only that window is asked again
  // (its place and rectangle may have changed), unless a frame switch moves them all.
  void NotifyListedActivation(int type, WindowHandle window, bool isExplicit);
  // Puts the window's restore rectangle onto the screen.
  void PullIntoScreen(WindowHandle window);
  // Brings every window parked on another frame back onto the screen: at exit and when
  // the session ends. Safe to call at any time and more than once.
  void RestoreAllWindows();

  // The rectangle around every monitor.
  TRect MonitorsRect();

  // The most frames a strip can have on the monitors as last taken.
  int AllowedFrameCount(int strip) const;
  // The monitors or the resolution changed: takes the new screen, lowers the number of
  // frames to what it allows, and moves every window parked on another frame to the same
  // place on its frame under the new screen (windows of frames that no longer exist onto
  // the last one). The current frame's windows stay where they are. True when the screen
  // changed.
  bool FollowDisplayChange();

 protected:
  // The pager's side.
  virtual WindowHandle PagerWindow() = 0;  // 0 while it has no window
  virtual bool StartupPending() = 0;       // the deferred start has not run yet
  virtual bool PagerExpanded() = 0;
  virtual void StartInactiveAnimation() = 0;
  virtual void MakePagerOpaque() = 0;  // full size and no transparency
  virtual void DrawPager() = 0;

  Desktop& desktop_;

 private:
  int Strip();
  int FrameCount();
  int FrameCount(int strip);
  int Option(const char* key);
  // Clamps CurrentFrame and derives FrameStep: what every operation starts from.
  void Prepare();
  // The same with the strip and the number of frames already read.
  void Prepare(int strip, int count);
  void PullIntoScreen(WindowHandle window, unsigned axes);
  // Monitors, ScreenRect and ScreenSize from the system as it is now.
  void TakeMonitors();
  bool OnAnyMonitor(TRect r) const;
  // `r` moved within the primary monitor's work area (the one whose corner is (0, 0)).
  TRect OnPrimary(TRect r) const;
  // The enumeration alone, for callers that ask about cloaking themselves.
  void TakeWindowList();
  // Takes the pager itself out of the window list.
  void RemovePager();
  // SwitchToFrame with the list and its cloaking as they are.
  void SwitchListedToFrame(int index, int strip);
  // Where a maximized window goes first on its way to `r`.
  TRect MaximizedDetour(TRect r) const;
  void NotifyActivation(int type, WindowHandle window, bool isExplicit, CWindowList* listed);
  // Asks once for every listed window whether it is cloaked.
  void ReadCloaking();
  // After a switch: remembers the windows that refused and tells of new ones once.
  void NoteRefusedMoves(std::set<WindowHandle> refused);

  CCustomOption& options_;
  // Axes along which windows have been moved off the screen since start; they are folded
  // back at exit even if virtual screens were switched off or turned meanwhile.
  unsigned parkedAxes_ = 0;
  // The strip and the number of frames the windows were last arranged for.
  int arrangedStrip_ = 0;
  int arrangedCount_ = 1;
  // Refused windows told of since the last switch that moved every window.
  std::set<WindowHandle> reportedRefused_;
  // The system's answer to the last list and the last switch's moves with each one's entry
  // in the list, kept for their buffers.
  std::vector<TListedWindow> listed_;
  // The last press's list and cloaking; after NotifyListedActivation the pager's previous
  // ones, whose storage the next press lists into.
  CWindowList pressList_;
  std::set<WindowHandle> pressCloaked_;
  std::vector<TWindowMove> moves_;
  std::vector<size_t> movedEntries_;
};
