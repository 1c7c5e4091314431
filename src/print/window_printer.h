// Printing the window: the page shown, or every page of the notebook one sheet each, laid out
// for paper (white, no arrows or live-only controls) with the date and time of printing in the
// status label, which stays on screen for the message time afterwards.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "design/texts/text_table.h"
#include "ui/control_model.h"
#include "ui/form_host.h"

namespace zarvell::print {

// What printing asks of the window it prints.
class PrintedWindow {
 public:
  // The Printing flag, which the view rules and the tick read.
  virtual void SetPrinting(bool printing) = 0;
  virtual void ApplyViewRules() = 0;
  // `text` in the status label, shown at once and kept for the message time.
  virtual void ShowStatus(std::string_view text, ui::Colour background) = 0;

 protected:
  ~PrintedWindow() = default;
};

// The stamp's text, the local date in the short format of the C library's locale, four spaces
// and the local time.
std::string PrintStamp(std::string_view prefix, const std::tm& time);
// "Printed to PATH" in the language.
std::string PrintedToText(std::uint8_t language, std::string_view path);

class WindowPrinter {
 public:
  struct Parts {
    ui::ControlModel& controls;
    ui::FormHost& host;
    const TextTable& texts;
    const std::uint8_t& language;
    PrintedWindow& window;
  };
  explicit WindowPrinter(Parts parts) : parts_(parts) {}

  // One sheet of the window as it stands.
  void PrintWindow();
  // Four sheets, one per notebook page in notebook order, each page alone in the notebook;
  // then the page shown before is shown again.
  void PrintAllPages();

 private:
  class Session;
  void ShowDestination(const std::string& file);
  Parts parts_;
};

}  // namespace zarvell::print
