#include "app/about_form.h"

#include <string>

#include "app/pictures.h"
#include "design/about_design.h"
#include "design/texts/window_texts.h"
#include "params/code_tables.h"

namespace zarvell {

using namespace about;

TFormAbout::TFormAbout(ProcessState& process, ui::FormHost& host)
    : process_(process), host_(host), controls_(NewAboutControls()) {}

void TFormAbout::FormCreate() {
  // The compiler's stamp reads "Nov 13 2009" and "10:59:37".
  controls_.SetCaption(LabelDate, __DATE__);
  controls_.SetCaption(LabelTime, __TIME__);
  controls_.SetCaption(LabelRsKey, "Version - " + std::to_string(ProgramVersion));
  const ui::Size screen = host_.ScreenSize();
  ui::Rect rect = controls_[FormAbout].rect;
  rect.left = screen.width / 2 - rect.width / 2;
  rect.top = screen.height / 2 - rect.height / 2;
  controls_.SetRect(FormAbout, rect);
}

void TFormAbout::FormActivate() {
  const std::string_view caption = AboutCaption(process_.languageIndex);
  if (!caption.empty()) controls_.SetCaption(FormAbout, caption);
  // The picture lives only while the window is shown.
  DrawBanner(host_.CanvasOf(controls_, Image1));
}

void TFormAbout::Button1Click() {
  host_.CloseModalForm();
}

void TFormAbout::ShowModal() {
  host_.ShowModalForm(controls_, *this);
}

void TFormAbout::OnClick(ui::ControlIndex id) {
  if (id == LabelExit) Button1Click();
}

}  // namespace zarvell
