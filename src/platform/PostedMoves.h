#pragma once
// Moves posted to windows that did not answer. Such a window carries them out only when its
// program answers again; until then it reads as standing where it was last sent, so that
// the program's picture of the screen does not fall back to where the window stood before
// the moves it has yet to carry out (switching back would then send it one frame too far).
#include <functional>
#include <map>

#include "platform/Desktop.h"

class CPostedMoves {
 public:
  // A move to `target` was posted; the last one posted is where the window ends.
  void Posted(WindowHandle window, const TRect& target);
  // The window was moved at once, or has gone: nothing is owed any more.
  void Settled(WindowHandle window);
  // `actual` as the system reports it, or the target still owed. `answers` is asked only
  // while a move is owed and not yet visible: a window that answers has handled whatever
  // was posted to it before, and then the system's rectangle is the truth (the window may
  // also have refused the move), as `reread` gives it where there is one: `actual` may have
  // been read before the window caught up.
  TRect Expected(WindowHandle window, const TRect& actual, const std::function<bool()>& answers,
                 const std::function<TRect()>& reread = nullptr);
  // The target still owed, if any, without asking the window.
  const TRect* Owed(WindowHandle window) const;

 private:
  std::map<WindowHandle, TRect> owed_;
};
