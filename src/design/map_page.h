// The advance map page: one group holding the grid with its axes, the 2D graph and the 3D view
// (the view rules show one of the three at a time), and the controls common to all three.
#pragma once

#include <array>

#include "design/main_builder.h"
#include "design/map_layout.h"

namespace zarvell::design {

// The throttle rows of the map, as their labels show them.
inline constexpr std::array<std::string_view, 10> kTpsCaptions = {
    "0%", "2%", "5%", "10%", "20%", "30%", "40%", "60%", "80%", "100%"};

constexpr void AddGrid(MainBuilder& b) {
  namespace layout = map_layout;
  constexpr ControlId group = GroupBoxAdvance;
  b.Add(ImageSelect, ControlKind::Image, group, layout::kSelect);
  ui::ControlSpec& rpm = b.FixedLabel(LabelRpm1, group, {4, 13, 34, kLabelHeight}, "[rpm]");
  rpm.hint = "Round per Minute|Speed - Round per Minute";
  for (int c = 0; c < 10; ++c) {
    const int x = layout::kSelect.left + layout::CellLeft(c);
    // The axis edit and its arrows span the column and about 4 px on either side.
    b.Number(Offset(EditRpmAdv1, c), Offset(UpDownRpmAdv1, c), group, {x - 4, 10, 42, kEditHeight},
             c == 0 ? 199 : 300, 20100, 100);
    b.Add(Offset(CSpinButton1, c), ControlKind::SpinButton, group,
          {x + 14, layout::kSelect.top + layout::kSelect.height + 4, 20, 24});
  }
  for (int r = 0; r < 10; ++r) {
    b.FixedLabel(Offset(LabelTps1, r), group, layout::ThrottleLabel(r, kLabelHeight),
                 kTpsCaptions[r]);
    for (int c = 0; c < 10; ++c) {
      const int cell = 10 * r + c;
      b.Number(CellEdit(cell), CellUpDown(cell), group, layout::CellEdit(r, c), 0, 60, 1);
    }
  }
}

constexpr void Add3DView(MainBuilder& b) {
  constexpr ControlId group = GroupBoxAdvance;
  auto hidden = [](ui::ControlSpec& row) -> ui::ControlSpec& {
    row.visible = false;
    return row;
  };
  hidden(b.Add(Graf3DAdv, ControlKind::Image, group, map_layout::kGraph3D));
  hidden(b.Add(CMap3DAdv, ControlKind::Image, group, map_layout::kLegend3D));
  constexpr std::array<ControlId, 3> kLabels = {LabelX, LabelY, LabelZ};
  constexpr std::array<ControlId, 3> kBars = {TrackBarX, TrackBarY, TrackBarZ};
  constexpr std::array<std::string_view, 3> kCaptions = {"X:", "Y:", "Z:"};
  constexpr std::array<int, 3> kStart = {4, -8, 0};
  for (int i = 0; i < 3; ++i) {
    const int y = 296 + 26 * i;
    hidden(b.FixedLabel(kLabels[i], group, {472, y + 4, 16, kLabelHeight}, kCaptions[i]));
    ui::ControlSpec& bar = hidden(b.Add(kBars[i], ControlKind::TrackBar, group, {490, y, 210, 24}));
    bar.min = -36;
    bar.max = 36;
    bar.position = kStart[i];
    bar.increment = 6;
  }
  // "izometricky" is the longest caption of the two buttons.
  hidden(b.Button(A3DviewISO, group, {604, 8, 96, kButtonHeight}, "ISO"));
  hidden(b.Button(A3DviewTOP, group, {604, 38, 96, kButtonHeight}, "TOP"));
  hidden(b.Check(CheckFill, group, 472, 376, "Fill graph")).checked = true;
  hidden(b.Check(CheckColorMap, group, 472, 398, "Height color")).checked = true;
}

constexpr void AddMapPage(MainBuilder& b) {
  constexpr ControlId group = GroupBoxAdvance;
  b.Add(group, ControlKind::GroupBox, TabSheetAdvance, {2, 0, 708, 520});
  b.Add(Image1, ControlKind::Image, group, {560, 436, 140, 76});
  AddGrid(b);
  // 2D size; in the table view without throttle rows the view rules move it to top 112 and
  // make it 100 px lower, under the single row of cells. Hidden like the design's map mode
  // ("Map" with throttle rows) has it, until the view rules show it.
  b.Add(GrafAdv, ControlKind::Image, group, map_layout::kGraph).visible = false;
  Add3DView(b);

  // Below the graphs, shown in every mode. "Karte" is the longest mode caption.
  b.Add(AMapForm, ControlKind::RadioButton, group, {8, 438, 64, kCheckHeight}, "Map").checked =
      true;
  b.Add(AMapModeGraph, ControlKind::RadioButton, group, {76, 438, 48, kCheckHeight}, "2D");
  b.Add(AMapModeGraph3D, ControlKind::RadioButton, group, {128, 438, 48, kCheckHeight}, "3D");
  b.Check(CheckBoxTpsMapa, group, 190, 438, "TPS");
  b.Check(CheckBoxIgnAll, group, 280, 438, "Select/All");
  b.Button(BitBtnAdvMinus, group, {8, 462, 28, kButtonHeight}, "-").hint =
      "Take off 1 degree of Advance";
  b.Button(BitBtnAdvPlus, group, {40, 462, 28, kButtonHeight}, "+").hint =
      "Add 1 degree of Advance";
  b.Button(Interpolation, group, {76, 462, 140, kButtonHeight}, "Interpolation");
  b.LabelledNumber(LabelBaseAdv, EditBaseAdv, UpDownBaseAdv, group, 228, 464, "Base advance [°]",
                   386, 30, 0, 40, 1);
}

constexpr void AddServoPage(MainBuilder& b) {
  constexpr ControlId page = TabSheetServo;
  b.Check(CheckBoxPrivEnable, page, 8, 8, "Servo enable");
  constexpr ControlId group = GroupBoxPrivera;
  b.Add(group, ControlKind::GroupBox, page, {8, 32, 696, 120}, "Servo");
  b.FixedLabel(LabelServoRpm, group, {8, 23, 34, kLabelHeight}, "[rpm]");
  b.FixedLabel(LabelServoMv, group, {8, 51, 34, kLabelHeight}, "[mV]");
  for (int i = 0; i < 10; ++i) {
    const int x = 46 + 64 * i;
    b.Number(Offset(EditRpmPriv1, i), Offset(UpDownRpmPriv1, i), group, {x, 20, 42, kEditHeight},
             i < 2 ? 200 : 300, 20100, 100);
    b.Number(Offset(EditNapPriv1, i), Offset(UpDownNapPriv1, i), group, {x, 48, 42, kEditHeight},
             20, 5000, 20);
  }
  b.LabelledNumber(LabelServoHyster, EditPrivHyster, UpDownPrivHyster, group, 8, 84,
                   "Servo Hysteresis [mV]", 212, 36, 0, 1275, 5);
  b.Button(BitBtnServoMinus, group, {290, 82, 28, kButtonHeight}, "-");
  b.Button(BitBtnServoPlus, group, {322, 82, 28, kButtonHeight}, "+");
  b.Check(CheckBoxServoAll, group, 360, 85, "All");
}

}  // namespace zarvell::design
