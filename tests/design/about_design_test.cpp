#include "design/about_design.h"

#include <gtest/gtest.h>

namespace zarvell::about {
namespace {

using ui::ControlKind;
using ui::Rect;

TEST(AboutDesign, WhiteWindowWithPictureAndOkLabel) {
  const auto design = AboutDesign();
  ASSERT_EQ(design.size(), std::size_t{kAboutControlCount});
  EXPECT_EQ(design[FormAbout].kind, ControlKind::Form);
  EXPECT_EQ(design[FormAbout].rect, (Rect{0, 0, 551, 351}));
  EXPECT_EQ(design[FormAbout].colour, ui::Colour::Rgb(255, 255, 255));
  EXPECT_EQ(design[Image1].kind, ControlKind::Image);
  EXPECT_EQ(design[Image1].rect.width, 542);
  EXPECT_EQ(design[Image1].rect.height, 241);
  EXPECT_EQ(design[LabelExit].kind, ControlKind::Label);
  EXPECT_EQ(design[LabelExit].caption, "OK");
  EXPECT_EQ(design[LabelRsKey].caption, "Version - 75");
  EXPECT_EQ(design[Label1].caption.find("example.com") != std::string_view::npos, true);
}

TEST(AboutDesign, ControlsInsideTheWindowWithoutOverlap) {
  const auto design = AboutDesign();
  for (std::size_t a = 1; a < design.size(); ++a) {
    const Rect r = design[a].rect;
    EXPECT_EQ(design[a].parent, FormAbout);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= 551 && r.top + r.height <= 351)
        << design[a].name;
    // 6.5 px per character of DejaVu Sans 8 pt.
    EXPECT_LE((static_cast<int>(design[a].caption.size()) * 13 + 1) / 2, r.width) << design[a].name;
    for (std::size_t b = a + 1; b < design.size(); ++b) {
      const Rect s = design[b].rect;
      EXPECT_FALSE(r.left < s.left + s.width && s.left < r.left + r.width &&
                   r.top < s.top + s.height && s.top < r.top + r.height)
          << design[a].name << " and " << design[b].name;
    }
  }
  const ui::ControlModel controls = NewAboutControls();
  EXPECT_EQ(controls.size(), std::size_t{kAboutControlCount});
  EXPECT_EQ(controls[LabelDate].caption, "Nov 13 2009");
}

}  // namespace
}  // namespace zarvell::about
