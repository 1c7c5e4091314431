// Printing with Qt: each sheet is the main window's client area, drawn as the widgets draw
// themselves (lines and text, not a picture of the screen) and scaled to fit the page of the
// default printer. A machine without a printer gets one PDF per command instead, in the
// user's documents folder, named after the set's file and the time.
#pragma once

#include <QPainter>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "qt/event_hub.h"
#include "qt/form_view.h"
#include "ui/form_host.h"

class QPagedPaintDevice;

namespace zarvell::qt {

class QtPrintJob final : public ui::PrintJob {
 public:
  // A PDF, where there is no printer, takes its name from `setFile` and the local time `now`.
  QtPrintJob(EventHub& hub, FormView& view, std::string_view setFile, const std::tm& now);
  // A job that never finished leaves no half-written PDF behind.
  ~QtPrintJob() override;
  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  void PrintSheet(const ui::ControlModel& form) override;
  std::string Finish() override;

 private:
  EventHub& hub_;
  FormView& view_;
  std::unique_ptr<QPagedPaintDevice> paper_;  // the printer, or the PDF writer
  QPainter painter_;
  std::filesystem::path pdf_;  // empty when a printer takes the sheets
  bool finished_ = false;
};

}  // namespace zarvell::qt
