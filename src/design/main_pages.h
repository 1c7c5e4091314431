// The four notebook pages of the main window. Coordinates are relative to the page's client
// area (712 x 522) or to the group box that holds the control.
#pragma once

#include <array>

#include "design/main_builder.h"

namespace zarvell::design {

constexpr void AddMiscPage(MainBuilder& b) {
  constexpr ControlId page = TabSheetRuzne;
  constexpr int editX = 276;
  b.LabelledNumber(LabelOmez2, EditOmez2, UpDownOmez2, page, 8, 8, "Limiter [rpm]", editX, 44, 999,
                   25000, 100);
  b.LabelledNumber(LabelPilotLight, EditPilotLight, UpDownPilotLight, page, 8, 36,
                   "Gear Shift Light [rpm]", editX, 44, 1000, 25000, 100);
  b.LabelledNumber(LabelClutchTime, EditClutchTime, UpDownClutchTime, page, 8, 64,
                   "Clutch master time [ms]", editX, 44, 0, 2500, 10);
  b.LabelledNumber(LabelClutchPause, EditClutchPause, UpDownClutchPause, page, 8, 92,
                   "Clutch master pause [ms]", editX, 44, 0, 2500, 10);
  b.LabelledNumber(LabelPocSynchro, EditPocSynchro, UpDownPocSynchro, page, 8, 120,
                   "Revolutions without ignition", editX, 44, 0, 40, 1);

  constexpr ControlId tps = GroupBoxTps;
  b.Add(tps, ControlKind::GroupBox, page, {8, 152, 330, 88}, "TPS [mV]");
  b.Number(EditTps0, UpDownTps0, tps, {10, 22, 44, kEditHeight}, 250, 2500, 10);
  b.Button(BitBtnTps0, tps, {76, 20, 104, kButtonHeight}, "Set TPS 0 %");
  b.Number(EditTps100, UpDownTps100, tps, {10, 54, 44, kEditHeight}, 2500, 4750, 10);
  b.Button(BitBtnTps100, tps, {76, 52, 104, kButtonHeight}, "Set TPS 100 %");
  b.Add(Image3, ControlKind::Image, tps, {190, 18, 130, 64});

  b.Check(CheckBoxBuzDlouhe, page, 8, 250, "Excitation Long");
  b.Check(CheckBoxZakazCteni, page, 8, 270, "No Reading");
  b.Check(CheckBoxInNeutralSs, page, 8, 290, "Inputs for neutral side and stand");

  b.Label(LabelKompenz, page, 8, 319, "Compensation ");
  for (int k = 0; k < 4; ++k) {
    b.Number(Offset(EditKompenz1, k), Offset(UpDownKompenz1, k), page,
             {editX + 57 * k, 316, 36, kEditHeight}, 0, 255, 1);
  }

  // The radio groups are as wide as "Interrupteur de sécurité" with its indicator needs.
  ui::ControlSpec& input1 =
      b.Add(RadioGroupInput1, ControlKind::RadioGroup, page, {400, 8, 240, 84}, "Input 1");
  input1.items = "Off\nKill switch\nBlocking";
  input1.itemIndex = 0;
  b.FixedLabel(LabelMonInput1In, page, {400, 96, 240, kLabelHeight}, "Input 1: ---");
  ui::ControlSpec& input2 =
      b.Add(RadioGroupInput2, ControlKind::RadioGroup, page, {400, 120, 240, 124}, "Input 2");
  input2.items = "Off\nKill switch\nBlocking\nClutch master\nClutch master inv. input";
  input2.itemIndex = 0;
  b.FixedLabel(LabelMonInput2In, page, {400, 248, 240, kLabelHeight}, "Input 2: ---");
}

// One channel: the maximum-advance and the start-advance edge, each a lobe number with its
// "2nd Edge" and "2nd Pick-up" flags under the column captions of the synchronization group.
inline constexpr int kChannelLobeX = 153;
inline constexpr int kChannelEdgeX = 226;
inline constexpr int kChannelPickupX = 325;
inline constexpr int kChannelX = 248;

inline constexpr std::array<std::string_view, 4> kChannelCaptions = {"Channel 1", "Channel 2",
                                                                     "Channel 3", "Channel 4"};

constexpr void AddChannel(MainBuilder& b, int k, int top) {
  const ControlId group = Offset(GroupBoxPalec1, k);
  b.Add(group, ControlKind::GroupBox, GroupBoxSpecial, {kChannelX, top, 351, 63},
        kChannelCaptions[k]);
  const std::array<ControlId, 2> labels = {Offset(LabelPalec1Zac, k), Offset(LabelPalec1End, k)};
  const std::array<ControlId, 2> edits = {Offset(EditPalec1Zac, k), Offset(EditPalec1End, k)};
  const std::array<ControlId, 2> upDowns = {Offset(UpDownPalec1Zac, k), Offset(UpDownPalec1End, k)};
  constexpr std::array<std::string_view, 2> kCaptions = {"Maximum advance", "Start advance"};
  for (int edge = 0; edge < 2; ++edge) {
    const int y = 17 + 22 * edge;
    b.Label(labels[edge], group, 8, y + 3, kCaptions[edge]);
    b.Number(edits[edge], upDowns[edge], group, {kChannelLobeX, y, 30, kEditHeight}, 1, 58, 1);
    // Per channel: ZacH2, ZacP2, EndH2, EndP2.
    const ControlId secondEdge = Offset(CheckBoxPalec1ZacH2, 4 * k + 2 * edge);
    b.Check(secondEdge, group, kChannelEdgeX, y + 1, {});
    b.Check(Offset(secondEdge, 1), group, kChannelPickupX, y + 1, {});
  }
}

constexpr void AddBikePage(MainBuilder& b) {
  constexpr ControlId page = TabSheetBike;
  b.Label(LabelBike, page, 8, 8, "Motorbike type");
  // Wide enough for the longest bike entry, 50 characters.
  b.Add(ComboBoxBike, ControlKind::ComboBox, page, {8, 26, 352, kComboHeight});

  constexpr ControlId rpm = GroupBoxRpm;
  b.Add(rpm, ControlKind::GroupBox, page, {8, 54, 352, 76}, "Tachometer output");
  b.LabelledNumber(LabelRpmPulsu, EditRpmPulsu, UpDownRpmPulsu, rpm, 10, 20,
                   "Pulses per revolution", 260, 30, 0, 6, 1);
  b.LabelledNumber(LabelRpmKorekce, EditRpmKorekce, UpDownRpmKorekce, rpm, 10, 46, "Correction [%]",
                   260, 30, -60, 60, 1);

  // The pick-up options fill the right column; the French texts run long.
  constexpr int kColumn = 332;
  b.Check(CheckBoxInvInput1, page, 372, 8, "Inverse polarity of pick-up 1", kColumn);
  b.Check(CheckBoxInvInput2, page, 372, 28, "Inverse polarity of pick-up 2", kColumn);
  b.Check(CheckBoxZamenaPickup, page, 372, 48, "Pickups interchange (pin 9 a 20)", kColumn);
  b.Check(CheckBoxNehlidaPalec, page, 372, 68, "No lobe lenght check", kColumn);
  b.Check(CheckBoxPredPalec, page, 372, 88, "Spark posible before lobe", kColumn);
  b.Check(CheckBoxSpecStart, page, 372, 108, "Lower advance by start", kColumn);

  // The unit's firmware name (up to 30 characters), date and time, and its programming count.
  b.FixedLabel(LabelVerze1, page, {8, 136, 200, kLabelHeight}, "---");
  b.FixedLabel(LabelVerze2, page, {212, 136, 72, kLabelHeight}, "---");
  b.FixedLabel(LabelVerze3, page, {288, 136, 40, kLabelHeight}, "---");
  b.FixedLabel(LabelPocetProgramovani, page, {340, 136, 240, kLabelHeight}, "---");

  // The group spans the page: its German caption alone takes about 490 px.
  constexpr ControlId special = GroupBoxSpecial;
  b.Add(special, ControlKind::GroupBox, page, {8, 156, 696, 360},
        "Specification of synchronization - Caution - For experienced user only!");
  b.Label(LabelSynchro, special, 10, 23, "Synchronization method");
  ui::ControlSpec& synchro =
      b.Add(ComboBoxSynchro, ControlKind::ComboBox, special, {220, 20, 430, kComboHeight});
  synchro.items =
      "1 lobe, 1 or 2 pick-up\nShort gap between lobes (inserted lobe)\nWide lobe\n"
      "Long gap between lobes (missing lobe)\n2 pick-ups, missing lobe\n"
      "2 Short gaps between lobes (inserted lobe)\nCam (CMPS)\nHarley\n"
      "Long gap between lobes - more lobes (48-2)\nSpecial for more pickups\n"
      "Inserted lobe - kick start\nHonda Cam (CMPS)";
  b.LabelledNumber(LabelPocPalcu, EditPocPalcu, UpDownPocPalcu, special, 10, 48,
                   "Number of lobe at rotor", 233, 30, 1, 58, 1);
  b.LabelledNumber(LabelPocKanalu, EditPocKanalu, UpDownPocKanalu, special, 300, 48,
                   "Number of outputs (coils)", 536, 24, 1, 4, 1);
  ui::ControlSpec& geber =
      b.Add(ComboBoxNasobekPalcu, ControlKind::ComboBox, special, {10, 76, 300, kComboHeight});
  geber.items =
      "1 ignition per revolution\n2 ignitions per revolution\n3 ignitions per revolution\n"
      "4 ignitions per revolution";

  // Column captions over the lobe numbers and the two flag columns of the channel groups;
  // they start at their column and may reach past the groups' right edge.
  b.Label(LabelLobe, special, kChannelX + kChannelLobeX, 78, "Lobe");
  b.Label(LabelHrana2, special, kChannelX + kChannelEdgeX, 78, "2nd Edge");
  b.Label(LabelSnimac2, special, kChannelX + kChannelPickupX, 78, "2nd Pick-up");
  for (int k = 0; k < 4; ++k) AddChannel(b, k, 98 + 65 * k);
}

}  // namespace zarvell::design
