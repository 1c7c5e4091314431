#include "params/view_rules.h"

#include <array>
#include <initializer_list>

#include "design/main_controls.h"
#include "design/map_layout.h"
#include "params/code_tables.h"

namespace zarvell {
namespace {

using namespace design;
using ui::ControlModel;

namespace layout = design::map_layout;

struct Conditions {
  bool special, singleLobe, secondPickup, cam, harley, gap48;  // synchronization
  int channels;
  bool throttleRows, tableView;
  int mapViewMode;
  bool neutralAndStand, killSwitchUsed, blockingUsed, clutchUsed;  // inputs
  bool servo, noReading, progHned, printing, testMode;
};

Conditions Derive(const ViewInputs& in) {
  const ParameterImage& image = *in.image;
  const std::uint8_t method = image[field::Synchro];
  const std::uint8_t input1 = image[field::Input1];
  const std::uint8_t input2 = image[field::Input2];
  auto either = [&](std::uint8_t function) { return input1 == function || input2 == function; };
  return {
      .special = image[field::BIKE] == SpecialBike,
      .singleLobe = method == synchro::SingleLobe,
      .secondPickup = synchro::UsesSecondPickup(method),
      .cam = method == synchro::Cam || method == synchro::HondaCam || method == synchro::GapAndCam,
      .harley = method == synchro::Harley,
      .gap48 = method == synchro::Gap48,
      .channels = image[field::PocKanalu],
      .throttleRows = in.tpsMapa,
      .tableView = in.mapViewMode == 0,
      .mapViewMode = in.mapViewMode,
      .neutralAndStand = in.inNeutralSs,
      .killSwitchUsed = either(input::KillSwitch),
      .blockingUsed = either(input::Blocking) || in.inNeutralSs,
      .clutchUsed = input2 == input::ClutchMaster || input2 == input::ClutchMasterInverse,
      .servo = image[field::SERVO_ENABLE] != 0,
      .noReading = image[field::NO_READING] != 0,
      .progHned = in.progHned,
      .printing = in.printing,
      .testMode = in.testMode,
  };
}

void ShowAll(ControlModel& c, std::initializer_list<ControlId> ids, bool visible) {
  for (ControlId id : ids) c.SetVisible(id, visible);
}
void EnableAll(ControlModel& c, std::initializer_list<ControlId> ids, bool enabled) {
  for (ControlId id : ids) c.SetEnabled(id, enabled);
}
// A numbered family: `count` controls from `first` on.
void ShowFamily(ControlModel& c, ControlId first, int count, bool visible) {
  for (int i = 0; i < count; ++i) c.SetVisible(Offset(first, i), visible);
}
void EnableFamily(ControlModel& c, ControlId first, int count, bool enabled) {
  for (int i = 0; i < count; ++i) c.SetEnabled(Offset(first, i), enabled);
}

// Buttons, arrows and live gauges mean nothing on paper.
constexpr std::array kHiddenOnPaper = {
    CheckBoxProgHned, StatusBar1,       GroupBoxToolBar, UpDownBaseAdv,          UpDownOmez2,
    UpDownTps0,       UpDownTps100,     BitBtnTps0,      BitBtnTps100,           BitBtnAdvMinus,
    BitBtnAdvPlus,    CheckBoxIgnAll,   CGaugeRpm,       LabelPocetProgramovani, CheckBoxTpsMapa,
    UpDownPrivHyster, BitBtnServoMinus, BitBtnServoPlus, CheckBoxServoAll,       LabelMonSnimac1};

void ApplyColoursAndPaperView(const Conditions& k, ControlModel& c) {
  c.SetColour(FormHlav, k.printing ? ui::kWhite : c.Design(FormHlav).colour);
  c.SetColour(CheckBoxZakazCteni, k.noReading ? ui::kRed : c.Design(CheckBoxZakazCteni).colour);
  c.SetColour(CheckBoxProgHned, k.progHned ? ui::kRed : c.Design(CheckBoxProgHned).colour);
  for (ControlId id : kHiddenOnPaper) c.SetVisible(id, !k.printing);
  c.SetVisible(CGaugeTps, k.throttleRows && !k.printing);
}

// Returns the top a moved control gets so that it keeps its design distance to `anchor`.
int KeepDesignOffset(const ControlModel& c, ControlId id, ControlId anchor, int anchorTop) {
  return anchorTop + c.Design(id).rect.top - c.Design(anchor).rect.top;
}

std::uint32_t PlaceGraph(ControlModel& c, const ui::Rect& rect) {
  const bool resized = c[GrafAdv].rect.height != rect.height;
  c.SetRect(GrafAdv, rect);
  return resized ? kRedrawRelayout : 0;
}

std::uint32_t ApplyMapPage(const Conditions& k, ControlModel& c) {
  const bool table = k.tableView;
  const bool rows = k.throttleRows && table;
  const bool arrows = table && !k.printing;
  // The servo curve's arrows follow the map view too, although they sit on another page.
  ShowFamily(c, UpDownRpmPriv1, 10, arrows);
  ShowFamily(c, UpDownNapPriv1, 10, arrows);
  for (int j = 0; j < 10; ++j) {
    c.SetVisible(Offset(LabelTps1, j), rows);
    for (int row = 0; row < 9; ++row) {
      c.SetVisible(CellEdit(10 * row + j), rows);
      c.SetVisible(CellUpDown(10 * row + j), rows && !k.printing);
    }
    c.SetVisible(CellEdit(90 + j), table);
    c.SetVisible(Offset(EditRpmAdv1, j), table);
    c.SetVisible(CellUpDown(90 + j), arrows);
    c.SetVisible(Offset(UpDownRpmAdv1, j), arrows);
  }
  ShowFamily(c, CSpinButton1, 10, rows && !k.printing);
  ShowAll(c, {LabelRpm1, ImageSelect}, table);

  // The graph shares the page with the table only while the table is a single row.
  std::uint32_t redraw = 0;
  const bool graph = k.mapViewMode == 1 || (table && !k.throttleRows);
  c.SetVisible(GrafAdv, graph);
  if (graph) redraw |= kRedrawRepaint;
  if (table) {
    redraw |= PlaceGraph(c, layout::kGraphUnderRow);
    ui::Rect select = layout::kSelect;
    if (graph) select.height = layout::kSelectOneRowHeight;
    c.SetRect(ImageSelect, select);
  } else if (k.mapViewMode == 1) {
    redraw |= PlaceGraph(c, layout::kGraph);
  }

  const bool view3D = k.mapViewMode == 2;
  ShowAll(c,
          {Graf3DAdv, A3DviewISO, A3DviewTOP, CheckFill, CheckColorMap, TrackBarX, TrackBarY,
           TrackBarZ, CMap3DAdv, LabelX, LabelY, LabelZ},
          view3D);
  if (view3D) redraw |= kRedrawRepaint;

  // Without throttle rows the 100 % row is the only one, so it moves to the top of the table.
  const int editTop = layout::CellEdit(layout::ShownRow(9, k.throttleRows), 0).top;
  for (int j = 0; j < 10; ++j) {
    const ControlId edit = CellEdit(90 + j);
    const ControlId upDown = CellUpDown(90 + j);
    c.SetTop(edit, editTop);
    c.SetTop(upDown, KeepDesignOffset(c, upDown, edit, editTop));
  }
  return redraw;
}

void ApplySynchronization(const Conditions& k, ControlModel& c) {
  const bool special = k.special;
  EnableAll(
      c,
      {ComboBoxSynchro, ComboBoxNasobekPalcu, EditPocKanalu, LabelLobe, LabelHrana2, LabelSnimac2,
       GroupBoxSpecial, LabelSynchro, LabelPocPalcu, LabelPocKanalu, LabelKompenz},
      special);
  EnableFamily(c, EditKompenz1, 4, special);
  EnableFamily(c, GroupBoxPalec1, 4, special);
  EnableFamily(c, LabelPalec1Zac, 8, special);  // the Zac and End labels of all four channels

  const bool lobes = special && !k.singleLobe;
  c.SetEnabled(EditPocPalcu, lobes);
  EnableFamily(c, EditPalec1Zac, 8, lobes);

  ShowFamily(c, EditKompenz1, 4, k.testMode);
  ShowFamily(c, UpDownKompenz1, 4, k.testMode);
  c.SetVisible(LabelKompenz, k.testMode);

  // Per channel the flags run ZacH2, ZacP2, EndH2, EndP2: the odd ones are the "2nd Pick-up".
  for (int i = 0; i < static_cast<int>(field::kLobeFlags); ++i) {
    const ControlId flag = Offset(CheckBoxPalec1ZacH2, i);
    c.SetEnabled(flag, special && !k.gap48);
    if (i % 2 == 1) c.SetVisible(flag, k.secondPickup);
  }
  c.SetVisible(CheckBoxInvInput2, k.secondPickup || k.cam);

  c.SetVisible(UpDownPocPalcu, lobes && !k.harley);
  c.SetVisible(UpDownPocKanalu, special && !k.harley);
  ShowFamily(c, UpDownPalec1Zac, 8, lobes);

  c.SetVisible(GroupBoxPalec1, !k.harley);
  for (int channel = 2; channel <= 4; ++channel) {
    const bool used = k.channels >= channel;
    c.SetVisible(Offset(GroupBoxPalec1, channel - 1), used && !k.harley);
    c.SetVisible(Offset(LabelAdvance1, channel - 1), used);
  }
  c.SetVisible(LabelMonSnimac2, (k.secondPickup || k.cam) && !k.printing);
}

void ApplyInputs(const Conditions& k, ControlModel& c) {
  c.SetEnabled(LabelKillSwitch, k.killSwitchUsed);
  c.SetEnabled(LabelBlocking1, k.blockingUsed);
  EnableAll(c, {LabelClutchMon, EditClutchTime, LabelClutchTime, EditClutchPause, LabelClutchPause},
            k.clutchUsed);
  ShowAll(c, {UpDownClutchTime, UpDownClutchPause}, k.clutchUsed && !k.printing);
  EnableAll(c, {RadioGroupInput1, RadioGroupInput2}, !k.neutralAndStand);
  ShowAll(c, {CheckBoxNehlidaPalec, CheckBoxPredPalec}, k.special && k.singleLobe);
  c.SetVisible(CheckBoxSpecStart, k.special);
}

}  // namespace

int MapViewMode(const ui::ControlModel& controls) {
  if (controls[AMapForm].checked) return 0;
  if (controls[AMapModeGraph].checked) return 1;
  if (controls[AMapModeGraph3D].checked) return 2;
  return 0;
}

ViewInputs ReadViewInputs(const ui::ControlModel& controls, const ParameterImage& image,
                          bool printing, bool testMode, UnitVersionTexts unit) {
  return {
      .image = &image,
      .tpsMapa = controls[CheckBoxTpsMapa].checked,
      .inNeutralSs = controls[CheckBoxInNeutralSs].checked,
      .progHned = controls[CheckBoxProgHned].checked,
      .mapViewMode = MapViewMode(controls),
      .printing = printing,
      .testMode = testMode,
      .unit = unit,
  };
}

std::uint32_t ApplyViewRules(const ViewInputs& in, ui::ControlModel& controls) {
  const Conditions k = Derive(in);
  ApplyColoursAndPaperView(k, controls);
  const std::uint32_t redraw = ApplyMapPage(k, controls);

  ShowAll(controls, {GroupBoxPrivera, LabelPriveraPoz, LabelPriveraMer}, k.servo);
  controls.SetCaption(LabelVerze1, in.unit.version);
  controls.SetCaption(LabelVerze2, in.unit.date);
  controls.SetCaption(LabelVerze3, in.unit.time);
  controls.SetEnabled(LabelTpsMon, k.throttleRows);

  ApplySynchronization(k, controls);
  ApplyInputs(k, controls);
  return redraw;
}

}  // namespace zarvell
