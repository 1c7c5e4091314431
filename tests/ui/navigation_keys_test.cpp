// The keys that move around a window: the page keys turn the notebook round its shown pages
// from wherever the focus is, and the arrow keys go to the window for the control that has it.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ui/control_model.h"
#include "ui/form_events.h"

namespace zarvell::ui {
namespace {

enum : ControlIndex { kForm, kNotebook, kPage0, kPage1, kPage2, kPage3, kEdit, kButton };

constexpr std::array<ControlSpec, 8> kDesign = {{
    {.id = kForm, .name = "Form", .kind = ControlKind::Form, .rect = {0, 0, 300, 200}},
    {.id = kNotebook,
     .name = "Notebook",
     .kind = ControlKind::Notebook,
     .parent = kForm,
     .itemIndex = 0},
    {.id = kPage0, .name = "Page0", .kind = ControlKind::Page, .parent = kNotebook},
    {.id = kPage1, .name = "Page1", .kind = ControlKind::Page, .parent = kNotebook},
    {.id = kPage2, .name = "Page2", .kind = ControlKind::Page, .parent = kNotebook},
    {.id = kPage3, .name = "Page3", .kind = ControlKind::Page, .parent = kNotebook},
    {.id = kEdit, .name = "Edit", .kind = ControlKind::Edit, .parent = kPage2},
    {.id = kButton, .name = "Button", .kind = ControlKind::Button, .parent = kForm},
}};

struct Window : FormEvents {
  std::vector<std::string> calls;
  bool takesArrows = true;
  void OnClick(ControlIndex) override {}
  void OnKeyboardToggle(ControlIndex) override {}
  void OnEditExit(ControlIndex) override {}
  void OnEditEnter(ControlIndex) override {}
  void OnUpDown(ControlIndex, bool) override {}
  void OnSelect(ControlIndex) override {}
  void OnMouse(ControlIndex, const MouseEvent&) override {}
  void OnWheel(ControlIndex, const WheelEvent&) override {}
  void OnPageChange() override { calls.emplace_back("page"); }
  void OnTick() override {}
  bool OnArrowKey(ControlIndex control, NavigationKey key, bool extend) override {
    calls.push_back("arrow " + std::to_string(control) + " " +
                    std::to_string(static_cast<int>(key)) + (extend ? " extend" : ""));
    return takesArrows;
  }
};

TEST(NavigationKeys, PageKeysGoRoundTheShownPagesAndArrowsGoToTheWindow) {
  ControlModel m(kDesign);
  Window w;
  using K = NavigationKey;
  // Page 1 hidden (as printing hides tabs) and page 3 disabled: 0 -> 2 -> 0 and back.
  m.SetVisible(kPage1, false);
  m.SetEnabled(kPage3, false);
  const struct {
    ControlIndex focus;
    K key;
    int page;
  } turns[] = {{kButton, K::NextPage, 2},
               {kEdit, K::NextPage, 0},
               {kNoControl, K::PreviousPage, 2},
               {kForm, K::PreviousPage, 0}};
  for (const auto& turn : turns) {
    EXPECT_TRUE(DeliverNavigationKey(m, w, turn.focus, turn.key, false));
    EXPECT_EQ(m[kNotebook].itemIndex, turn.page) << turn.focus;
  }
  EXPECT_EQ(w.calls, std::vector<std::string>(4, "page"));

  // Every page shown again: the next page is 1, and the previous from 0 is 3.
  m.SetVisible(kPage1, true);
  m.SetEnabled(kPage3, true);
  DeliverNavigationKey(m, w, kButton, K::NextPage, false);
  EXPECT_EQ(m[kNotebook].itemIndex, 1);
  DeliverNavigationKey(m, w, kButton, K::PreviousPage, false);
  DeliverNavigationKey(m, w, kButton, K::PreviousPage, false);
  EXPECT_EQ(m[kNotebook].itemIndex, 3);

  // The arrows (Right = 3, Up = 4) go to the window for a control the user can reach, and
  // only then.
  w.calls.clear();
  m.SetItemIndex(kNotebook, 2);
  EXPECT_TRUE(DeliverNavigationKey(m, w, kEdit, K::Right, true));
  w.takesArrows = false;
  EXPECT_FALSE(DeliverNavigationKey(m, w, kEdit, K::Up, false));
  m.SetItemIndex(kNotebook, 0);  // the edit box's page is not shown
  EXPECT_FALSE(DeliverNavigationKey(m, w, kEdit, K::Left, false));
  EXPECT_FALSE(DeliverNavigationKey(m, w, kNoControl, K::Left, false));
  EXPECT_EQ(w.calls, (std::vector<std::string>{"arrow 6 3 extend", "arrow 6 4"}));

  // A hidden notebook turns no page.
  m.SetVisible(kNotebook, false);
  EXPECT_FALSE(DeliverNavigationKey(m, w, kButton, K::NextPage, false));
  EXPECT_EQ(m[kNotebook].itemIndex, 0);
}

}  // namespace
}  // namespace zarvell::ui
