#include "ui/scripted_host.h"

#include <gtest/gtest.h>

#include <array>

#include "ui/control_model.h"

namespace zarvell::ui {
namespace {

TEST(ScriptedHost, AnswersFromItsQueueThenCancelsQuestionsAndConfirmsMessages) {
  ScriptedHost host;
  host.QueueAnswer(MessageAnswer::Yes);
  EXPECT_EQ(host.ShowMessage("Do you want default setting?", "", MessageButtons::YesNoCancel),
            MessageAnswer::Yes);
  EXPECT_EQ(host.ShowMessage("Again?", "", MessageButtons::YesNoCancel), MessageAnswer::Cancel);
  EXPECT_EQ(host.ShowMessage("Open file error!", "Zarvell", MessageButtons::Ok), MessageAnswer::Ok);
  ASSERT_EQ(host.messages().size(), 3u);
  EXPECT_EQ(host.messages()[2].text, "Open file error!");
  EXPECT_EQ(host.messages()[2].caption, "Zarvell");
  host.QueuePath("/tmp/a.ign");
  EXPECT_EQ(host.OpenFileDialog({}), std::optional<std::string>("/tmp/a.ign"));
  EXPECT_EQ(host.SaveFileDialog({}), std::nullopt);
  EXPECT_EQ(host.dialogs().size(), 2u);
}

TEST(ScriptedHost, CanvasesTakeTheSizeOfTheirImageControlAndRecordTheDrawing) {
  constexpr std::array<ControlSpec, 2> design = {{
      {.id = 0, .name = "Form", .kind = ControlKind::Form},
      {.id = 1,
       .name = "GrafAdv",
       .kind = ControlKind::Image,
       .parent = 0,
       .rect = {8, 40, 621, 417}},
  }};
  ControlModel model(design);
  ScriptedHost host;
  Canvas& canvas = host.CanvasOf(model, 1);
  EXPECT_EQ(canvas.SurfaceSize(), (Size{621, 417}));
  canvas.SetBrush({Colour::Rgb(255, 251, 240), Brush::Style::Solid});
  canvas.FillRect(0, 0, 10, 10);
  canvas.SetPen({kRed, 2, Pen::Style::Solid});
  const Point triangle[] = {{1, 2}, {3, 4}, {5, 6}};
  canvas.Polygon(triangle);
  canvas.TextOut(4, 5, "5k");
  EXPECT_EQ(canvas.TextExtent("Předstih"), (Size{48, 13}));  // counts letters, not bytes
  EXPECT_EQ(&host.CanvasOf(model, 1), &canvas);
  ControlModel other(design);
  EXPECT_NE(&host.CanvasOf(other, 1), &canvas);  // each window has its own surfaces
  EXPECT_EQ(host.FindCanvas(model, 1)->calls(),
            (std::vector<std::string>{"brush #fffbf0", "fillrect 0 0 10 10", "pen #ff0000 2 solid",
                                      "polygon 1,2 3,4 5,6", "text 4 5 5k"}));
}

}  // namespace
}  // namespace zarvell::ui
