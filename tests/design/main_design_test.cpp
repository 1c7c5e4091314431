// The main window's design table: fixed sizes, ranges, menus, lists and the map grid.
#include "design/main_design.h"
#include "params/bindings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/main_controls.h"

namespace zarvell::design {
namespace {

using ui::ControlKind;
using ui::Rect;

const ui::ControlSpec& Row(ControlId id) {
  return MainDesign()[id];
}

// Rect of a control in the coordinates of one of its ancestors.
Rect In(ControlId ancestor, ControlId id) {
  Rect r = Row(id).rect;
  for (ui::ControlIndex p = Row(id).parent; p != ancestor; p = MainDesign()[p].parent) {
    r.left += MainDesign()[p].rect.left;
    r.top += MainDesign()[p].rect.top;
  }
  return r;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

TEST(MainDesign, WindowAndFixedSizes) {
  EXPECT_EQ(Row(FormHlav).rect, (Rect{0, 0, 984, 703}));
  EXPECT_EQ(Row(StatusBar1).rect, (Rect{0, 680, 984, 23}));
  EXPECT_EQ(Row(StatusBar1).kind, ControlKind::StatusBar);
  const auto size = [](ControlId id) { return std::pair{Row(id).rect.width, Row(id).rect.height}; };
  EXPECT_EQ(size(ImageSelect), std::pair(603, 352));
  EXPECT_EQ(size(GrafAdv), std::pair(621, 417));
  EXPECT_EQ(size(Graf3DAdv), std::pair(461, 420));
  EXPECT_EQ(size(CMap3DAdv), std::pair(127, 284));
  // The view rules place the 2D graph at these tops in the same parent.
  EXPECT_EQ(Row(GrafAdv).rect.top, 12);
  EXPECT_EQ(Row(GrafAdv).parent, Row(ImageSelect).parent);
}

// The design opens in the map mode "Map" with its grid: the graphs stay hidden until the view
// rules choose them, so they cannot cover the grid's labels.
TEST(MainDesign, OpensInTheMapModeWithTheGraphsHidden) {
  EXPECT_TRUE(Row(AMapForm).checked);
  for (ControlId id : {GrafAdv, Graf3DAdv, CMap3DAdv, TrackBarX, A3DviewISO}) {
    EXPECT_FALSE(Row(id).visible) << Row(id).name;
  }
  for (ControlId id : {ImageSelect, Edit50, UpDown149, LabelTps1, EditRpmAdv1}) {
    EXPECT_TRUE(Row(id).visible) << Row(id).name;
  }
}

// Every up/down control writes into the edit box of its own name stem, with its own range.
TEST(MainDesign, UpDownsBelongToTheEditOfTheirStem) {
  int upDowns = 0;
  for (const ui::ControlSpec& row : MainDesign()) {
    if (row.kind != ControlKind::UpDown) continue;
    ++upDowns;
    ASSERT_TRUE(row.name.starts_with("UpDown")) << row.name;
    ASSERT_NE(row.associate, ui::kNoControl) << row.name;
    const ui::ControlSpec& edit = MainDesign()[row.associate];
    EXPECT_EQ(edit.kind, ControlKind::Edit) << row.name;
    EXPECT_EQ(edit.colour, ui::Colour::Window()) << row.name;
    EXPECT_EQ("Edit" + std::string(row.name.substr(6)), edit.name);
    EXPECT_EQ(edit.parent, row.parent) << row.name;
    // Right beside its edit box, as high as it.
    EXPECT_EQ(row.rect.left, edit.rect.left + edit.rect.width) << row.name;
    EXPECT_EQ(row.rect.top, edit.rect.top) << row.name;
    EXPECT_EQ(row.rect.height, edit.rect.height) << row.name;
    EXPECT_LE(row.min, row.max) << row.name;
    EXPECT_GT(row.increment, 0) << row.name;
  }
  // 100 cells, 10 map axis, 20 servo, 8 lobes, 4 compensations and 13 single numbers.
  EXPECT_EQ(upDowns, 155);
}

TEST(MainDesign, RangesOfTheNumbers) {
  struct Range {
    ControlId upDown;
    int min, max, step;
  };
  const Range ranges[] = {
      {UpDownOmez2, 999, 25000, 100},
      {UpDownPilotLight, 1000, 25000, 100},
      {UpDownTps0, 250, 2500, 10},
      {UpDownTps100, 2500, 4750, 10},
      {UpDownRpmKorekce, -60, 60, 1},
      {UpDownRpmPulsu, 0, 6, 1},
      {UpDownClutchTime, 0, 2500, 10},
      {UpDownClutchPause, 0, 2500, 10},
      {UpDownPocSynchro, 0, 40, 1},
      {UpDownBaseAdv, 0, 40, 1},
      {UpDownPocPalcu, 1, 58, 1},
      {UpDownPocKanalu, 1, 4, 1},
      {UpDownPalec3End, 1, 58, 1},
      {UpDownKompenz4, 0, 255, 1},
      {UpDownPrivHyster, 0, 1275, 5},
      {UpDownRpmAdv1, 199, 20100, 100},
      {UpDownRpmAdv2, 300, 20100, 100},
      {UpDownRpmAdv10, 300, 20100, 100},
      {UpDownRpmPriv1, 200, 20100, 100},
      {UpDownRpmPriv2, 200, 20100, 100},
      {UpDownRpmPriv3, 300, 20100, 100},
      {UpDownRpmPriv10, 300, 20100, 100},
      {UpDownNapPriv1, 20, 5000, 20},
      {UpDownNapPriv10, 20, 5000, 20},
      {UpDown50, 0, 60, 1},
      {UpDown149, 0, 60, 1},
  };
  for (const Range& r : ranges) {
    const ui::ControlSpec& row = Row(r.upDown);
    EXPECT_EQ(row.min, r.min) << row.name;
    EXPECT_EQ(row.max, r.max) << row.name;
    EXPECT_EQ(row.increment, r.step) << row.name;
  }
  for (int cell = 0; cell < 100; ++cell) {
    EXPECT_EQ(Row(CellUpDown(cell)).min, 0);
    EXPECT_EQ(Row(CellUpDown(cell)).max, 60);
  }
}

TEST(MainDesign, DesignStateOfTheMapAndOtherControls) {
  const ControlId bars[] = {TrackBarX, TrackBarY, TrackBarZ};
  const int starts[] = {4, -8, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Row(bars[i]).kind, ControlKind::TrackBar);
    EXPECT_EQ(Row(bars[i]).min, -36);
    EXPECT_EQ(Row(bars[i]).max, 36);
    EXPECT_EQ(Row(bars[i]).position, starts[i]);
  }
  EXPECT_EQ(Row(CGaugeProgram).max, 2);
  EXPECT_TRUE(Row(CheckFill).checked);
  EXPECT_TRUE(Row(CheckColorMap).checked);
  EXPECT_TRUE(Row(AMapForm).checked);
  EXPECT_FALSE(Row(AMapModeGraph).checked);
  EXPECT_FALSE(Row(AMapModeGraph3D).checked);
  EXPECT_EQ(Row(PageControl1).itemIndex, 1);
  EXPECT_EQ(Row(CheckFill).caption, "Fill graph");
  EXPECT_EQ(Row(CheckColorMap).caption, "Height color");
  EXPECT_EQ(Row(LabelEeDataErr).caption, "Programmed data error");
  EXPECT_EQ(Row(LabelTps1).caption, "0%");
  EXPECT_EQ(Row(LabelTps4).caption, "10%");
  EXPECT_EQ(Row(LabelTps10).caption, "100%");
  EXPECT_EQ(Row(BitBtnTps100).caption, "Set TPS 100 %");
  EXPECT_EQ(Row(GroupBoxSpecial).caption,
            "Specification of synchronization - Caution - For experienced user only!");
}

TEST(MainDesign, MenusWithTheirShortcuts) {
  struct Item {
    ControlId id;
    ControlId menu;
    std::string_view caption;
    std::string_view shortcut;
  };
  const Item items[] = {
      {MenuNew, MenuFile, "&New", "Ctrl+N"},
      {MenuOpen, MenuFile, "&Open", "F3"},
      {MenuOpenExeDir, MenuFile, "Open from exe dir", "Ctrl+F3"},
      {MenuSave, MenuFile, "&Save", "F2"},
      {MenuSaveExeDir, MenuFile, "Save to exe dir", "Ctrl+F2"},
      {MenuPrint, MenuFile, "&Print", "Ctrl+P"},
      {MenuPrintAll, MenuFile, "Print all", ""},
      {MenuExit, MenuFile, "E&xit", ""},
      {MenuRead, MenuDevice, "&Read", "F7"},
      {MenuVerify, MenuDevice, "&Verify", "F8"},
      {MenuProgram, MenuDevice, "&Program", "F9"},
      {AdvanceMinus, MenuTools, "Advance -", "F4"},
      {AdvancePlus, MenuTools, "Advance +", "F5"},
      {MenuZpet, MenuTools, "Undo", "Ctrl+Z"},
      {MenuZnovu, MenuTools, "Redo", "Ctrl+Alt+Z"},
      {MenuCzech, MenuLanguage, "&Czech", ""},
      {MenuContens, MenuHelp, "&Contents...", "F1"},
      {MenuAbout, MenuHelp, "&About...", ""},
      {MenuCom1, MenuCom, "Com 1", ""},
      {MenuCom30, MenuCom, "Com 30", ""},
      {MenuCom31, MenuCom, "Com Auto", ""},
  };
  for (const Item& item : items) {
    const ui::ControlSpec& row = Row(item.id);
    EXPECT_EQ(row.kind, ControlKind::MenuItem) << row.name;
    EXPECT_EQ(row.parent, item.menu) << row.name;
    EXPECT_EQ(row.caption, item.caption) << row.name;
    EXPECT_EQ(row.shortcut, item.shortcut) << row.name;
  }
  for (ControlId menu : {MenuFile, MenuCom, MenuDevice, MenuTools, MenuLanguage, MenuHelp}) {
    EXPECT_EQ(Row(menu).parent, MainMenu1) << Row(menu).name;
  }
  // The separators divide New | Open | Save | Print | Exit.
  const ControlId separators[] = {N1, N2, N3, N4};
  const ControlId before[] = {MenuNew, MenuOpenExeDir, MenuSaveExeDir, MenuPrintAll};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Row(separators[i]).kind, ControlKind::MenuSeparator);
    EXPECT_EQ(Row(separators[i]).parent, MenuFile);
    EXPECT_EQ(separators[i], before[i] + 1);
  }
}

TEST(MainDesign, NewControlsHoldTheDesignLists) {
  const ui::ControlModel controls = NewMainControls();
  const auto& bikes = controls[ComboBoxBike].items;
  ASSERT_EQ(bikes.size(), 37u);
  EXPECT_EQ(bikes[0], "3 Cylinder, 1 pickup");
  EXPECT_EQ(bikes[5], "Kawasaki ZX ");
  EXPECT_EQ(bikes[7], "Harley");
  EXPECT_EQ(bikes[15], "Classic (1 lobe, 1 or 2 pick-up) ");
  EXPECT_EQ(bikes[26], "Suzuki VS 800,");
  EXPECT_EQ(bikes[36], "3 Cylinder, 1 pickup - kick start");
  const auto& synchro = controls[ComboBoxSynchro].items;
  ASSERT_EQ(synchro.size(), 12u);
  EXPECT_EQ(synchro[0], "1 lobe, 1 or 2 pick-up");
  EXPECT_EQ(synchro[7], "Harley");
  EXPECT_EQ(synchro[11], "Honda Cam (CMPS)");
  const auto& geber = controls[ComboBoxNasobekPalcu].items;
  ASSERT_EQ(geber.size(), 4u);
  EXPECT_EQ(geber[3], "4 ignitions per revolution");
  EXPECT_EQ(controls[RadioGroupInput1].items,
            (std::vector<std::string>{"Off", "Kill switch", "Blocking"}));
  EXPECT_EQ(controls[RadioGroupInput2].items.size(), 5u);
  EXPECT_EQ(controls[RadioGroupInput2].items[4], "Clutch master inv. input");
  // The up/down controls show their position in their edit boxes from the start.
  EXPECT_EQ(controls[EditOmez2].text, "999");
  EXPECT_EQ(controls[Edit77].text, "0");
}

// Cell (r, c) on ImageSelect spans left = 59c + 10 (+1 from column 3, +1 more from column 7)
// to left + 48, and top = 33r + 15 to top + 22. Its edit box and arrows sit inside with a
// margin of 1 to 3 px, so the selection outline drawn around the cell stays visible.
TEST(MainDesign, CellBoxesLieInsideTheirCellRectangles) {
  const Rect image = Row(ImageSelect).rect;
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      const int left = image.left + 59 * c + 10 + (c >= 3) + (c >= 7);
      const int top = image.top + 33 * r + 15;
      const Rect inner = {left + 1, top + 1, 46, 20};
      const Rect outer = {left + 3, top + 3, 42, 16};
      const int cell = 10 * r + c;
      const Rect edit = Row(CellEdit(cell)).rect;
      const Rect upDown = Row(CellUpDown(cell)).rect;
      EXPECT_TRUE(Inside(edit, inner)) << r << "," << c;
      EXPECT_TRUE(Inside(upDown, inner)) << r << "," << c;
      // Together they fill the cell but for the margin.
      EXPECT_LE(edit.left, outer.left);
      EXPECT_GE(upDown.left + upDown.width, outer.left + outer.width);
      EXPECT_EQ(Row(CellEdit(cell)).parent, Row(ImageSelect).parent);
    }
  }
}

// The axis boxes line up with the columns, the throttle labels with the rows, and each column
// has its spin button below it.
TEST(MainDesign, AxesLineUpWithTheGrid) {
  const Rect image = Row(ImageSelect).rect;
  for (int c = 0; c < 10; ++c) {
    const int left = image.left + 59 * c + 10 + (c >= 3) + (c >= 7);
    const int centre = left + 24;
    const Rect edit = Row(Offset(EditRpmAdv1, c)).rect;
    const Rect upDown = Row(Offset(UpDownRpmAdv1, c)).rect;
    EXPECT_LE(std::abs((edit.left + upDown.left + upDown.width) / 2 - centre), 6) << c;
    EXPECT_LE(edit.top + edit.height, image.top);
    const Rect spin = Row(Offset(CSpinButton1, c)).rect;
    EXPECT_EQ(Row(Offset(CSpinButton1, c)).kind, ControlKind::SpinButton);
    EXPECT_LE(std::abs(spin.left + spin.width / 2 - centre), 2) << c;
    EXPECT_GE(spin.top, image.top + image.height);
  }
  for (int r = 0; r < 10; ++r) {
    const int top = image.top + 33 * r + 15;
    const Rect label = Row(Offset(LabelTps1, r)).rect;
    EXPECT_LE(label.left + label.width, image.left);
    EXPECT_GE(label.top, top);
    EXPECT_LE(label.top + label.height, top + 22);
    // The view rules put the single row of cells 4 px above a throttle label.
    EXPECT_EQ(Row(CellEdit(10 * r)).rect.top, label.top - 4) << r;
  }
}

TEST(MainDesign, WindowArrangement) {
  // Tool buttons left to right along the top, the no-connection label to their right.
  const ControlId tools[] = {SpeedButton6,     SpeedButtonOpen, SpeedButtonSave,
                             SpeedButtonPrint, SpeedButtonZpet, SpeedButtonZnovu,
                             ButtonRead,       BitBtnVerify,    BitBtnProgram};
  for (std::size_t i = 1; i < std::size(tools); ++i) {
    EXPECT_GT(Row(tools[i]).rect.left, Row(tools[i - 1]).rect.left);
    EXPECT_EQ(Row(tools[i]).parent, GroupBoxToolBar);
  }
  EXPECT_GE(In(FormHlav, LabelSpojeni).left,
            In(FormHlav, BitBtnProgram).left + Row(BitBtnProgram).rect.width);
  // The live column right of the notebook, top to bottom.
  const ControlId live[] = {LabelRpm,        CGaugeRpm,       LabelTpsMon,     CGaugeTps,
                            LabelAdvance1,   LabelAdvance4,   LabelMonSnimac1, LabelNapeti,
                            LabelPriveraMer, LabelKillSwitch, LabelCom,        LabelHlaseni,
                            CGaugeProgram};
  const Rect notebook = Row(PageControl1).rect;
  for (std::size_t i = 0; i < std::size(live); ++i) {
    EXPECT_EQ(Row(live[i]).parent, FormHlav);
    EXPECT_GE(Row(live[i]).rect.left, notebook.left + notebook.width);
    if (i > 0) {
      EXPECT_GT(Row(live[i]).rect.top, Row(live[i - 1]).rect.top);
    }
  }
  EXPECT_GE(Row(LabelHlaseni).rect.height, 30);  // two lines
  // Below the notebook: the option, two state labels and the test labels in two rows of four.
  for (ControlId id : {CheckBoxProgHned, LabelEeDataErr, LabelVersion, LabelTest1, LabelTest8}) {
    EXPECT_GE(Row(id).rect.top, notebook.top + notebook.height) << Row(id).name;
  }
  EXPECT_EQ(Row(LabelTest1).rect.top, Row(LabelTest4).rect.top);
  EXPECT_EQ(Row(LabelTest5).rect.top, Row(LabelTest8).rect.top);
  EXPECT_GT(Row(LabelTest5).rect.top, Row(LabelTest4).rect.top);
  EXPECT_EQ(Row(LabelTest1).rect.left, Row(LabelTest5).rect.left);
}

}  // namespace
}  // namespace zarvell::design
