// The main window's layout as the view rules show it: every control inside its parent, no two
// shown siblings overlapping in any map mode, and every text fitting in all four languages.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "design/texts/window_texts.h"
#include "params/bindings.h"

namespace zarvell::design {
namespace {

using ui::ControlKind;
using ui::Rect;

const ui::ControlSpec& Row(ui::ControlIndex id) {
  return MainDesign()[id];
}

bool IsMenu(ControlKind kind) {
  return kind == ControlKind::MainMenu || kind == ControlKind::MenuItem ||
         kind == ControlKind::MenuSeparator;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool InRange(ui::ControlIndex id, ControlId first, ControlId last) {
  return id >= first && id <= last;
}
bool IsCell(ui::ControlIndex id) {
  return InRange(id, Edit50, Edit149) || InRange(id, UpDown50, UpDown149);
}
bool IsCellOfRow9(ui::ControlIndex id) {
  return InRange(id, Edit140, Edit149) || InRange(id, UpDown140, UpDown149);
}
bool Is3D(ui::ControlIndex id) {
  for (ControlId c : {Graf3DAdv, CMap3DAdv, LabelX, TrackBarX, LabelY, TrackBarY, LabelZ, TrackBarZ,
                      A3DviewISO, A3DviewTOP, CheckFill, CheckColorMap}) {
    if (id == c) return true;
  }
  return false;
}
// Shown only in the table view.
bool IsTable(ui::ControlIndex id) {
  return IsCell(id) || id == ImageSelect || id == LabelRpm1 ||
         InRange(id, EditRpmAdv1, UpDownRpmAdv10) || InRange(id, CSpinButton1, LabelTps10);
}

enum class MapView { TableWithRows, TableSingleRow, Graph2D, View3D };

// The window as the view rules lay it out for one map view (positions of the rules written
// out again: the 2D graph at top 12 or 112, ImageSelect 50 px high over a single row).
struct Layout {
  std::vector<Rect> rect;
  std::vector<bool> shown;
};

Layout LayoutFor(MapView view) {
  Layout layout;
  for (const ui::ControlSpec& row : MainDesign()) {
    layout.rect.push_back(row.rect);
    layout.shown.push_back(!IsMenu(row.kind));
  }
  for (ui::ControlIndex id = 0; id < layout.rect.size(); ++id) {
    bool shown = true;
    if (Is3D(id)) shown = view == MapView::View3D;
    if (IsTable(id)) {
      shown = view == MapView::TableWithRows;
      if (view == MapView::TableSingleRow) {
        shown = IsCellOfRow9(id) || id == ImageSelect || id == LabelRpm1 ||
                InRange(id, EditRpmAdv1, UpDownRpmAdv10);
      }
    }
    if (id == GrafAdv) shown = view == MapView::Graph2D || view == MapView::TableSingleRow;
    layout.shown[id] = layout.shown[id] && shown;
  }
  if (view == MapView::TableSingleRow) {
    layout.rect[GrafAdv].top = 112;
    layout.rect[GrafAdv].height = 317;
    layout.rect[ImageSelect].height = 50;
    for (ui::ControlIndex id = 0; id < layout.rect.size(); ++id) {
      if (IsCellOfRow9(id)) layout.rect[id].top = Row(LabelTps1).rect.top - 4;
    }
  }
  return layout;
}

constexpr MapView kViews[] = {MapView::TableWithRows, MapView::TableSingleRow, MapView::Graph2D,
                              MapView::View3D};

// The form's children live between the menu bar (22 px) and the status bar (23 px); pages in
// the notebook's client area; group boxes below their caption.
Rect ClientOf(ui::ControlIndex parent, const Layout& layout) {
  const ui::ControlSpec& row = Row(parent);
  const Rect r = layout.rect[parent];
  switch (row.kind) {
    case ControlKind::Form:
      return {0, 0, 984, 703 - 22 - 23};
    case ControlKind::Notebook:
      return {0, 22, r.width, r.height - 22};
    case ControlKind::GroupBox:
      return {2, row.caption.empty() ? 2 : 16, r.width - 4,
              r.height - (row.caption.empty() ? 4 : 18)};
    default:
      return {0, 0, r.width, r.height};
  }
}

TEST(MainLayout, PagesHaveTheDocumentedClientArea) {
  EXPECT_EQ(Row(PageControl1).rect, (Rect{0, 44, 720, 552}));
  for (ControlId page : {TabSheetRuzne, TabSheetBike, TabSheetAdvance, TabSheetServo}) {
    EXPECT_EQ(Row(page).kind, ControlKind::Page);
    EXPECT_EQ(Row(page).parent, PageControl1);
    EXPECT_EQ(Row(page).rect.width, 712);
    EXPECT_EQ(Row(page).rect.height, 522);
  }
}

TEST(MainLayout, EveryControlLiesInsideItsParent) {
  for (MapView view : kViews) {
    const Layout layout = LayoutFor(view);
    for (const ui::ControlSpec& row : MainDesign()) {
      if (row.id == FormHlav || row.id == StatusBar1 || IsMenu(row.kind)) continue;
      const Rect r = layout.rect[row.id];
      const Rect client = ClientOf(row.parent, layout);
      EXPECT_GT(r.width, 0) << row.name;
      EXPECT_GT(r.height, 0) << row.name;
      EXPECT_TRUE(r.left >= client.left && r.top >= client.top &&
                  r.left + r.width <= client.left + client.width &&
                  r.top + r.height <= client.top + client.height)
          << row.name << " in " << Row(row.parent).name << " view " << int(view);
    }
  }
}

// ImageSelect lies over the cells on purpose: the cells stay on top and the overlay takes
// the mouse between them.
TEST(MainLayout, NoShownSiblingsOverlap) {
  for (MapView view : kViews) {
    const Layout layout = LayoutFor(view);
    for (ui::ControlIndex a = 0; a < layout.rect.size(); ++a) {
      // Pages are alternatives; the status bar lies outside the content area.
      if (!layout.shown[a] || a == StatusBar1 || Row(a).kind == ControlKind::Page) continue;
      for (ui::ControlIndex b = a + 1; b < layout.rect.size(); ++b) {
        if (!layout.shown[b] || b == StatusBar1 || Row(a).parent != Row(b).parent) continue;
        if ((a == ImageSelect && IsCell(b)) || (b == ImageSelect && IsCell(a))) continue;
        EXPECT_FALSE(Overlap(layout.rect[a], layout.rect[b]))
            << Row(a).name << " and " << Row(b).name << " in view " << int(view);
      }
    }
  }
}

// In the table view without throttle rows the graph sits under the single row of cells.
TEST(MainLayout, SingleRowTableLeavesRoomForTheGraph) {
  const Layout layout = LayoutFor(MapView::TableSingleRow);
  const Rect select = layout.rect[ImageSelect];
  EXPECT_LE(select.top + select.height, 112);
  EXPECT_LE(layout.rect[Edit140].top + layout.rect[Edit140].height, select.top + select.height);
}

// Text budget of DejaVu Sans 8 pt: 6.5 px per character.
int Width(std::string_view text) {
  int chars = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u && c != '&') ++chars;
  }
  return (chars * 13 + 1) / 2;
}

// Room the control leaves for its text besides frame, indicator or arrow.
int Overhead(ControlKind kind) {
  switch (kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return 22;
    case ControlKind::Button:
    case ControlKind::GroupBox:
    case ControlKind::RadioGroup:
      return 16;
    case ControlKind::ComboBox:
      return 24;
    default:
      return 0;
  }
}

// Captions, list items and the placeholders of the live labels, in each language, after the
// window's own language switch has written them.
TEST(MainLayout, TextsFitInEveryLanguage) {
  for (std::uint8_t language = 0; language < 4; ++language) {
    ui::ControlModel controls = NewMainControls();
    TextTable texts{};
    ApplyCaptions(texts, language, controls);
    int tabs = 0;
    for (const ui::ControlSpec& row : MainDesign()) {
      const ui::Control& c = controls[row.id];
      if (row.kind == ControlKind::Page) tabs += Width(c.caption) + 16;
      if (IsMenu(row.kind) || row.kind == ControlKind::Form || row.kind == ControlKind::Page ||
          row.kind == ControlKind::StatusBar || row.kind == ControlKind::Edit)
        continue;
      const int room = c.rect.width - Overhead(row.kind);
      const int lines = row.kind == ControlKind::Label ? c.rect.height / 16 : 1;
      if (!c.caption.empty()) {
        EXPECT_LE(Width(c.caption), room * lines)
            << row.name << " \"" << c.caption << "\" language " << int(language);
      }
      for (const std::string& item : c.items) {
        EXPECT_LE(Width(item), room - (row.kind == ControlKind::RadioGroup ? 22 : 0))
            << row.name << " \"" << item << "\" language " << int(language);
      }
      if (row.kind == ControlKind::RadioGroup) {
        EXPECT_GE(c.rect.height, 18 + 20 * static_cast<int>(c.items.size())) << row.name;
      }
    }
    EXPECT_LE(tabs, Row(PageControl1).rect.width) << int(language);
  }
}

// The longest texts that the live display and the transfers write, in any language.
TEST(MainLayout, LiveTextsFit) {
  struct Text {
    ControlId label;
    std::string_view text;
  };
  const Text texts[] = {
      {LabelAdvance1, "Vorzündung 1 = 45 [°] /max 45 [°]"},
      {LabelAdvance4, "Pick up system error"},
      {LabelMonSnimac2, "Capteur(CKPS) 2 -  pas de signal"},
      {LabelKillSwitch, "Interrupteur de sécurité - Non"},
      {LabelMonPilotLight, "Retard à l´allumage - Oui"},
      {LabelPriveraPoz, "Servo požadované= 5000 [mV]"},
      {LabelPriveraMer, "Servo gemessene= 5000 [mV]"},
      {LabelTpsMon, "TP= 100 [%]= 5000 [mV]"},
      {LabelNapeti, "U = 18.0 [V]"},
      {LabelCom, "COM= COM31"},
      {LabelMonInput2In, "Entrée 2: Grounded"},
      {LabelPocetProgramovani, "Nombre de programmations= 65535"},
      {LabelVerze1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"},
      {LabelVersion,
       "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!  PC-75, IGN-255"},
      {LabelTest8, "Test8 = 65535 "},
  };
  for (const Text& t : texts) {
    EXPECT_LE(Width(t.text), Row(t.label).rect.width) << Row(t.label).name;
  }
  // The print stamp takes the two lines of the message label.
  EXPECT_LE(Width("Date et heur de l´imprimé:   31.12.2009    23:59:59"),
            2 * Row(LabelHlaseni).rect.width);
}

}  // namespace
}  // namespace zarvell::design
