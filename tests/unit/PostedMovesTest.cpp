// Where a window that did not answer reads as standing: where it was last sent, until it has
// carried the move out or answers again.
#include <gtest/gtest.h>

#include "platform/PostedMoves.h"

namespace {

constexpr WindowHandle kHung = 0x1234;
constexpr WindowHandle kOther = 0x5678;
const TRect kStood{400, 300, 700, 500};
const TRect kParked{400, -468, 700, -268};
const TRect kTwoUp{400, -1236, 700, -1036};

struct PostedMovesTest : ::testing::Test {
  CPostedMoves moves;
  int asked = 0;
  bool answering = false;
  TRect Read(WindowHandle window, const TRect& actual) {
    return moves.Expected(window, actual, [this] {
      ++asked;
      return answering;
    });
  }
};

TEST_F(PostedMovesTest, AHungWindowReadsAsWhereItWasLastSentUntilItAnswers) {
  EXPECT_EQ(Read(kHung, kStood), kStood);  // nothing owed: never asked
  EXPECT_EQ(asked, 0);

  moves.Posted(kHung, kParked);
  moves.Posted(kHung, kTwoUp);
  EXPECT_EQ(Read(kHung, kStood), kTwoUp);
  EXPECT_EQ(Read(kHung, kStood), kTwoUp);  // still hung: still owed
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(Read(kOther, kStood), kStood);  // other windows are read as they stand

  answering = true;  // it answered: the system's rectangle is the truth again
  EXPECT_EQ(Read(kHung, kParked), kParked);
  answering = false;
  EXPECT_EQ(Read(kHung, kStood), kStood);
  EXPECT_EQ(moves.Owed(kHung), nullptr);
}

TEST_F(PostedMovesTest, AMoveCarriedOutOrSettledIsNoLongerOwed) {
  moves.Posted(kHung, kParked);
  EXPECT_EQ(Read(kHung, kParked), kParked);  // it has moved: no need to ask
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(Read(kHung, kStood), kStood);  // then moved by its user

  moves.Posted(kHung, kParked);
  ASSERT_NE(moves.Owed(kHung), nullptr);
  EXPECT_EQ(*moves.Owed(kHung), kParked);
  moves.Settled(kHung);  // moved at once later, or gone
  EXPECT_EQ(Read(kHung, kStood), kStood);
  EXPECT_EQ(asked, 0);
}

TEST_F(PostedMovesTest, AWindowThatAnswersIsReadAgainHavingCaughtUpMeanwhile) {
  moves.Posted(kHung, kParked);
  int reread = 0;
  const TRect now = moves.Expected(
      kHung, kStood, [] { return true; },
      [&] {
        ++reread;
        return kParked;
      });
  EXPECT_EQ(now, kParked) << "not the rectangle read before it answered";
  EXPECT_EQ(reread, 1);
  EXPECT_EQ(moves.Owed(kHung), nullptr);
}

}  // namespace
