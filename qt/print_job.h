// Printing with Qt: each sheet is the main window's client area, rendered scaled to fit the
// page of the default printer. A machine without a printer gets one PDF per command instead,
// in the folder the program was given for it.
#pragma once

#include <QPainter>
#include <filesystem>
#include <memory>
#include <string>

#include "qt/event_hub.h"
#include "qt/form_view.h"
#include "ui/form_host.h"

class QPrinter;

namespace zarvell::qt {

class QtPrintJob final : public ui::PrintJob {
 public:
  // `pdfFolder` takes the PDF when there is no printer; its name tells the local time `now`.
  QtPrintJob(EventHub& hub, FormView& view, const std::filesystem::path& pdfFolder,
             const std::tm& now);
  // A job that never finished leaves no half-written PDF behind.
  ~QtPrintJob() override;
  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  void PrintSheet(const ui::ControlModel& form) override;
  std::string Finish() override;

 private:
  EventHub& hub_;
  FormView& view_;
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::filesystem::path pdf_;  // empty when a printer takes the sheets
  bool finished_ = false;
};

}  // namespace zarvell::qt
