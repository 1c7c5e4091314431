// Where the main window opens: stored places and sizes that would leave it too large, lost or
// out of reach of the mouse are brought onto the screen's free area.
#include "app/window_place.h"

#include <gtest/gtest.h>

namespace zarvell {
namespace {

constexpr ui::Size kDesign{984, 703};

TEST(WindowPlace, TheWindowFitsTheFreeAreaWithItsTitleBarInReach) {
  // A 1280 x 1024 screen with a 30 pixel panel on top; and the 1024 x 768 screen at scale
  // factor 2, which leaves 512 x 384 with a 20 pixel panel.
  constexpr ui::Rect kLarge{0, 30, 1280, 994};
  constexpr ui::Rect kScaled{0, 20, 512, 364};
  const struct {
    const char* what;
    ui::Rect stored, area, expected;
  } cases[] = {
      {"fits and stays", {148, 160, 984, 703}, kLarge, {148, 160, 984, 703}},
      {"partly off to the left and below, title bar in reach: the user's choice",
       {-300, 900, 984, 703},
       kLarge,
       {-300, 900, 984, 703}},
      {"too small: the design size at its place", {10, 40, 0, -5}, kLarge, {10, 40, 984, 703}},
      {"wholly right of the screen: centred", {2000, 30, 900, 600}, kLarge, {190, 227, 900, 600}},
      {"wholly above: centred", {100, -900, 900, 600}, kLarge, {190, 227, 900, 600}},
      {"title bar under the panel: moved down", {100, 5, 900, 600}, kLarge, {100, 30, 900, 600}},
      {"title bar below the screen's bottom: moved up",
       {100, 1010, 900, 600},
       kLarge,
       {100, 1024 - 36, 900, 600}},
      {"only a sliver of the title bar on the right: a grip brought back",
       {1250, 100, 900, 600},
       kLarge,
       {1180, 100, 900, 600}},
      {"only a sliver on the left", {-880, 100, 900, 600}, kLarge, {-800, 100, 900, 600}},
      {"the design size at scale 2: the free area's size from its corner",
       {-236, -159, 984, 703},
       kScaled,
       {0, 20, 504, 328}},
      {"wider only: cut and moved to the left edge, height and top kept",
       {300, 40, 984, 300},
       kScaled,
       {0, 40, 504, 300}},
      {"a stored place on the larger monitor: fitted, then in reach",
       {1500, 900, 984, 703},
       kScaled,
       {0, 20, 504, 328}},
      {"no screen to tell an area: the stored place and size",
       {-50, 0, 984, 703},
       {0, 0, 0, 0},
       {-50, 0, 984, 703}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UsableWindowRect(c.stored, kDesign, c.area), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace zarvell
