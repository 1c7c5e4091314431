#include "qt/print_job.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTabBar>
#include <QWidget>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

#include "print/pdf_name.h"
#include "qt/widgets.h"

namespace zarvell::qt {

namespace {

constexpr int kBitmapScale = 4;  // the tab bars' pictures: about 500 dots per inch on A4

// The desktop's documents folder where it exists, else the home folder.
std::filesystem::path DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return ToStdString(documents);
  return ToStdString(QDir::homePath());
}

// The widgets of `area` onto `paper`, in the area's pixels. They draw into a recording that is
// played onto the paper, so lines and text stay lines and text, sharp at any size and
// searchable in a PDF (drawn straight onto a printer, Qt would paint them into one bitmap).
// A notebook's tab bar draws its selected tab past its own edges, which only a bitmap's edges
// hold: the tab bars go onto the paper as pictures of their own.
void DrawWidgets(QWidget& area, QPainter& paper) {
  QRegion drawn(area.rect());
  std::vector<std::pair<QRect, QImage>> bars;
  for (QTabBar* bar : area.findChildren<QTabBar*>()) {
    if (!bar->isVisibleTo(&area)) continue;
    const QRect place(bar->mapTo(&area, QPoint()), bar->size());
    drawn -= place;
    QImage picture(bar->size() * kBitmapScale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(kBitmapScale);
    picture.fill(Qt::transparent);
    bar->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    bars.emplace_back(place, std::move(picture));
  }
  QPicture sheet;
  area.render(&sheet, QPoint(), drawn, QWidget::DrawChildren);
  paper.drawPicture(0, 0, sheet);
  for (const auto& [place, picture] : bars) paper.drawImage(QRectF(place), picture);
}

}  // namespace

QtPrintJob::QtPrintJob(EventHub& hub, FormView& view, std::string_view setFile, const std::tm& now)
    : hub_(hub), view_(view) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull()) {
    // At the screen's resolution, so the text measures on paper as it did in the widgets;
    // lines and text are drawn as such at any resolution.
    paper_ = std::make_unique<QPrinter>(printer, QPrinter::ScreenResolution);
    return;
  }
  pdf_ = print::FreePdfPath(DocumentsFolder(), setFile, now);
  auto pdf = std::make_unique<QPdfWriter>(ToQString(pdf_.native()));
  pdf->setTitle(ToQString(pdf_.stem().native()));
  pdf->setCreator(QStringLiteral("Zarvell"));
  pdf->setPageSize(QPageSize(QPageSize::A4));
  pdf->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  pdf->setResolution(view.content->logicalDpiX());  // as the printer's, below
  paper_ = std::move(pdf);
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
    if (!painter_.begin(paper_.get())) {
      throw std::runtime_error(pdf_.empty() ? "The printer cannot start printing."
                                            : "Cannot write " + pdf_.string() + ".");
    }
  } else if (!paper_->newPage()) {
    throw std::runtime_error("The printer cannot start a new page.");
  }
  QWidget& area = *view_.content;
  const QRect page = paper_->pageLayout().paintRectPixels(paper_->logicalDpiX());
  const double scale = std::min(static_cast<double>(page.width()) / area.width(),
                                static_cast<double>(page.height()) / area.height());
  painter_.save();
  painter_.scale(scale, scale);
  DrawWidgets(area, painter_);
  painter_.restore();
}

std::string QtPrintJob::Finish() {
  if (painter_.isActive() && !painter_.end()) {
    throw std::runtime_error("The printer did not take the job.");
  }
  finished_ = true;
  return pdf_.string();
}

}  // namespace zarvell::qt
