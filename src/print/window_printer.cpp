#include "print/window_printer.h"

#include <array>
#include <memory>

#include "design/main_controls.h"

namespace zarvell::print {

using namespace design;

namespace {

constexpr std::array<ControlId, 4> kPages = {TabSheetRuzne, TabSheetBike, TabSheetAdvance,
                                             TabSheetServo};
constexpr FourTexts kPrintedTo = {"Printed to ", "Gedruckt in ", "Imprimé dans ", "Vytištěno do "};

std::string Formatted(const char* format, const std::tm& time) {
  char text[64];
  const std::size_t length = std::strftime(text, sizeof text, format, &time);
  return std::string(text, length);
}

}  // namespace

std::string PrintStamp(std::string_view prefix, const std::tm& time) {
  return std::string(prefix) + Formatted("%x", time) + "    " + Formatted("%X", time);
}

std::string PrintedToText(std::uint8_t language, std::string_view path) {
  return std::string(kPrintedTo[language < kLanguageCount ? language : 0]) + std::string(path);
}

// One print command from the paper layout to the window's own layout again. Whatever happens
// on the way, a printer failure included, the window gets its tabs, its page and its screen
// layout back; the failure then goes on to the caller.
class WindowPrinter::Session {
 public:
  explicit Session(const Parts& parts) : p_(parts), page_(parts.controls[PageControl1].itemIndex) {
    ui::ControlModel& c = p_.controls;
    p_.window.ShowStatus(PrintStamp(p_.texts[MsgPrintStamp], p_.host.LocalTime()), ui::kWhite);
    c.SetVisible(LabelHlaseni, true);
    c.SetVisible(LabelSpojeni, false);
    c.SetVisible(CGaugeProgram, false);
    p_.window.SetPrinting(true);
    // No edit box shows a caret or a selection on paper.
    c.SetFocus(BitBtnVerify);
  }
  ~Session() {
    ui::ControlModel& c = p_.controls;
    for (const ControlId page : kPages) c.SetVisible(page, true);
    c.SetItemIndex(PageControl1, page_);
    p_.window.SetPrinting(false);
    p_.window.ApplyViewRules();
    c.SetColour(LabelHlaseni, ui::Colour::ButtonFace());
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Sheet() {
    p_.window.ApplyViewRules();
    // Started here, so that a printer that cannot start leaves through the destructor too.
    if (!job_) job_ = p_.host.StartPrintJob(p_.texts[CurrentFileName]);
    job_->PrintSheet(p_.controls);
  }
  void ShowPage(ControlId shown) {
    for (const ControlId page : kPages) p_.controls.SetVisible(page, page == shown);
    p_.controls.SetItemIndex(PageControl1, static_cast<int>(shown - TabSheetRuzne));
  }
  // Where the sheets went, when that was a file.
  std::string Finish() { return job_->Finish(); }

 private:
  const Parts& p_;
  int page_;
  std::unique_ptr<ui::PrintJob> job_;
};

void WindowPrinter::PrintWindow() {
  std::string file;
  {
    Session session(parts_);
    session.Sheet();
    file = session.Finish();
  }
  ShowDestination(file);
}

void WindowPrinter::PrintAllPages() {
  parts_.controls.SetFocus(BitBtnVerify);
  std::string file;
  {
    Session session(parts_);
    for (const ControlId page : kPages) {
      session.ShowPage(page);
      session.Sheet();
    }
    file = session.Finish();
  }
  ShowDestination(file);
}

// Sheets that went to a file instead of a printer: the status label says where, in place of
// the stamp, which the sheets carry.
void WindowPrinter::ShowDestination(const std::string& file) {
  if (file.empty()) return;
  parts_.window.ShowStatus(PrintedToText(parts_.language, file), ui::Colour::ButtonFace());
}

}  // namespace zarvell::print
