#include <array>

#include "design/about_design.h"
#include "design/design_table.h"

namespace zarvell::about {
namespace {

using ui::ControlKind;

consteval std::array<ui::ControlSpec, kAboutControlCount> BuildAboutDesign() {
  design::Table<kAboutControlCount> t(kAboutControlNames);
  ui::ControlSpec& form =
      t.Add(FormAbout, ControlKind::Form, ui::kNoControl, {0, 0, 551, 351}, "About ZARVELL");
  form.colour = ui::kWhite;
  t.Add(Image1, ControlKind::Image, FormAbout, {4, 4, 542, 241});
  // The maker, on the white background of the window.
  auto text = [&t](AboutControlId id, ui::Rect rect, std::string_view caption) {
    t.Add(id, ControlKind::Label, FormAbout, rect, caption).colour = ui::kWhite;
  };
  text(Label2, {16, 254, 330, 16}, "Korvel Ignition Works");
  text(Label3, {16, 272, 330, 16}, "14 Quarry Lane");
  text(Label4, {16, 290, 330, 16}, "31902 Easthollow");
  text(Label1, {16, 308, 330, 16}, "www.korvel.example.com");
  // The build stamp; the window writes the real one when it is created.
  text(LabelDate, {400, 254, 136, 16}, "Nov 13 2009");
  text(LabelTime, {400, 272, 136, 16}, "10:59:37");
  text(LabelRsKey, {400, 290, 136, 16}, "Version - 75");
  // A label in the button colour, so that it reads as the button it acts as.
  t.Add(LabelExit, ControlKind::Label, FormAbout, {456, 316, 80, 24}, "OK");
  return t.Finish();
}

constexpr std::array<ui::ControlSpec, kAboutControlCount> kAboutDesign = BuildAboutDesign();

}  // namespace

std::span<const ui::ControlSpec> AboutDesign() {
  return kAboutDesign;
}

ui::ControlModel NewAboutControls() {
  return ui::ControlModel(AboutDesign());
}

}  // namespace zarvell::about
