#include "platform/PostedMoves.h"

void CPostedMoves::Posted(WindowHandle window, const TRect& target) {
  owed_[window] = target;
}

void CPostedMoves::Settled(WindowHandle window) {
  owed_.erase(window);
}

TRect CPostedMoves::Expected(WindowHandle window, const TRect& actual,
                             const std::function<bool()>& answers,
                             const std::function<TRect()>& reread) {
  auto owed = owed_.find(window);
  if (owed == owed_.end()) return actual;
  if (owed->second == actual) {
    owed_.erase(owed);
    return actual;
  }
  if (answers()) {
    owed_.erase(owed);
    return reread ? reread() : actual;
  }
  return owed->second;
}

const TRect* CPostedMoves::Owed(WindowHandle window) const {
  auto owed = owed_.find(window);
  return owed == owed_.end() ? nullptr : &owed->second;
}
