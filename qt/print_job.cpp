#include "qt/print_job.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <stdexcept>
#include <system_error>

#include "qt/widgets.h"

namespace zarvell::qt {
namespace {

constexpr int kPictureScale = 3;  // about 250 dots per inch on an A4 or Letter page

// print-2026-05-14-093000.pdf, or -2, -3 ... after it when that name is taken.
std::filesystem::path FreePdfName(const std::filesystem::path& folder, const std::tm& now) {
  char stamp[32];
  const std::size_t length = std::strftime(stamp, sizeof stamp, "print-%Y-%m-%d-%H%M%S", &now);
  const std::string base(stamp, length);
  std::filesystem::path path = folder / (base + ".pdf");
  std::error_code error;
  // Whatever stands there is taken, a link to nothing included: the printer would write through
  // it.
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(path, error)); ++n) {
    path = folder / (base + "-" + std::to_string(n) + ".pdf");
  }
  return path;
}

}  // namespace

QtPrintJob::QtPrintJob(EventHub& hub, FormView& view, const std::filesystem::path& pdfFolder,
                       const std::tm& now)
    : hub_(hub), view_(view) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull()) {
    printer_ = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    return;
  }
  std::error_code error;
  std::filesystem::create_directories(pdfFolder, error);
  pdf_ = FreePdfName(pdfFolder, now);
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(ToQString(pdf_.native()));
  printer_->setDocName(QStringLiteral("Zarvell"));
}

QtPrintJob::~QtPrintJob() {
  if (painter_.isActive()) painter_.end();
  if (!finished_ && !pdf_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(pdf_, ignored);
  }
}

void QtPrintJob::PrintSheet(const ui::ControlModel&) {
  // The window's logic has laid the window out for this sheet; the widgets show it once synced
  // and laid out.
  hub_.SyncAll();
  QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  if (!painter_.isActive()) {
    if (!painter_.begin(printer_.get())) {
      throw std::runtime_error(pdf_.empty() ? "The printer cannot start printing."
                                            : "Cannot write " + pdf_.string() + ".");
    }
  } else if (!printer_->newPage()) {
    throw std::runtime_error("The printer cannot start a new page.");
  }
  // Rendered into a picture of a few times the screen's resolution and placed on the page:
  // widgets drawn straight onto a printer come out as one picture at the printer's resolution
  // anyway, many megabytes a page.
  QWidget& area = *view_.content;
  QImage picture(area.size() * kPictureScale, QImage::Format_RGB32);
  picture.setDevicePixelRatio(kPictureScale);
  picture.fill(Qt::white);
  area.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
  const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
  const double scale = std::min(static_cast<double>(page.width()) / area.width(),
                                static_cast<double>(page.height()) / area.height());
  painter_.drawImage(QRectF(0, 0, area.width() * scale, area.height() * scale), picture);
}

std::string QtPrintJob::Finish() {
  if (painter_.isActive() && !painter_.end()) {
    throw std::runtime_error("The printer did not take the job.");
  }
  finished_ = true;
  return pdf_.string();
}

}  // namespace zarvell::qt
