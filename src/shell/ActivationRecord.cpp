#include "shell/ActivationRecord.h"

#include <algorithm>
#include <vector>

void ActivationRecord::Activated(WindowHandle window, Desktop& desktop) {
  if (window == 0) return;
  stamps_[window] = ++clock_;
  if (stamps_.size() > kLimit) Prune(desktop);
}

void ActivationRecord::Forget(WindowHandle window) {
  stamps_.erase(window);
}

std::optional<std::uint64_t> ActivationRecord::LastActivation(WindowHandle window) const {
  auto it = stamps_.find(window);
  if (it == stamps_.end()) return std::nullopt;
  return it->second;
}

void ActivationRecord::Prune(Desktop& desktop) {
  // Windows closed without a notice (the hook reports only visible ones, and none while
  // the options dialog is open) are dropped here.
  std::erase_if(stamps_, [&](const auto& entry) { return !desktop.IsWindow(entry.first); });
  // Room is left for a quarter more, so that the windows are not all looked at again at
  // the next activation; what must go for it are the oldest.
  const size_t keep = kLimit * 3 / 4;
  if (stamps_.size() <= keep) return;
  std::vector<std::uint64_t> stamps;
  stamps.reserve(stamps_.size());
  for (const auto& entry : stamps_) stamps.push_back(entry.second);
  auto cut = stamps.end() - static_cast<std::ptrdiff_t>(keep);
  std::nth_element(stamps.begin(), cut, stamps.end());
  const std::uint64_t oldestKept = *cut;
  std::erase_if(stamps_, [&](const auto& entry) { return entry.second < oldestKept; });
}
