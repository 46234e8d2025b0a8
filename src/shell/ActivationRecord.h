#pragma once
// When the program last saw each window activated: by a command of its own or by the hook
// library's notices. Commands cycle by it, since the Z order does not follow activations
// everywhere (Wine leaves another process's window where it was; top-most windows and
// programs that raise themselves reorder it on Windows).
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "platform/Desktop.h"

class ActivationRecord {
 public:
  // Entries beyond this many are pruned: first the windows that are gone, then the oldest.
  static constexpr size_t kLimit = 1024;

  // The window became active now. When the record is full, the desktop tells which of its
  // windows are gone.
  void Activated(WindowHandle window, Desktop& desktop);
  // The window was destroyed; its handle may be given to a new window later.
  void Forget(WindowHandle window);
  // Later activations give larger values; none for a window never seen activated.
  std::optional<std::uint64_t> LastActivation(WindowHandle window) const;
  size_t Size() const { return stamps_.size(); }

 private:
  void Prune(Desktop& desktop);

  std::unordered_map<WindowHandle, std::uint64_t> stamps_;
  std::uint64_t clock_ = 0;
};
