#pragma once
// The hook library's per-process record of top-level windows created but not yet shown,
// free of Windows so that it is tested natively. Hook procedures of several threads may use
// it at once; it allocates nothing, takes no locks and waits for nothing.
//
// A program may keep any number of hidden windows alive, so the record never refuses a
// window: when every slot is taken, a new window takes the slot of the oldest one. Only a
// window kept hidden through `Size` later creations is then missed, never the newer ones.
#include <atomic>
#include <cstddef>

namespace pending {

template <typename Handle, std::size_t Size>
class Windows {
  static_assert(Size > 0 && (Size & (Size - 1)) == 0,
                "a power of two, so the slot sequence survives the counter's wrap");

 public:
  void Remember(Handle window) {
    const std::size_t start = next_.fetch_add(1);
    for (std::size_t i = 0; i < Size; ++i) {
      Handle empty{};
      if (slots_[(start + i) % Size].compare_exchange_strong(empty, window)) {
        ++count_;
        return;
      }
    }
    // Every slot is taken: the slots are claimed in turn, so the one where the search
    // began holds the oldest entry.
    if (!slots_[start % Size].exchange(window)) ++count_;
  }

  // Removes the window from the record; true when it was there.
  bool Take(Handle window) {
    if (!window || count_.load() == 0) return false;
    for (auto& slot : slots_) {
      Handle expected = window;
      if (slot.compare_exchange_strong(expected, Handle{})) {
        --count_;
        return true;
      }
    }
    return false;
  }

 private:
  std::atomic<Handle> slots_[Size]{};
  std::atomic<std::size_t> next_{0};
  std::atomic<int> count_{0};
};

}  // namespace pending
