#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "PendingWindows.h"

namespace {

using Handle = std::uintptr_t;

// A program keeps 300 hidden windows alive, then makes one more: that one is still
// announced, the newest 256 are there, the oldest were pushed out, each is taken once.
TEST(PendingWindows, ManyHiddenWindowsPushOutTheOldestButNeverTheNewest) {
  pending::Windows<Handle, 256> windows;
  for (Handle window = 1; window <= 300; ++window) windows.Remember(window);
  windows.Remember(301);
  EXPECT_TRUE(windows.Take(301));
  EXPECT_FALSE(windows.Take(301)) << "announced once";
  EXPECT_FALSE(windows.Take(45));
  EXPECT_TRUE(windows.Take(46));
  EXPECT_TRUE(windows.Take(300));
  EXPECT_FALSE(windows.Take(999));
  EXPECT_FALSE(windows.Take(0));
}

// Hook procedures of several threads at once: each thread's own new window is there when
// it is shown, however the others fill the record meanwhile.
TEST(PendingWindows, ThreadsNeverLoseEachOthersWindows) {
  pending::Windows<Handle, 256> windows;
  std::vector<std::thread> threads;
  std::vector<int> missed(4);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (Handle i = 1; i <= 20000; ++i) {
        const Handle window = i * 4 + static_cast<Handle>(t);
        windows.Remember(window);
        if (!windows.Take(window)) ++missed[static_cast<size_t>(t)];
      }
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(missed, std::vector<int>(4, 0));
}

}  // namespace
