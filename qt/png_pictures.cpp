#include "qt/png_pictures.h"

#include <QApplication>
#include <QBuffer>
#include <cstdio>
#include <memory>

#include "fileio/files.h"
#include "qt/qt_canvas.h"

namespace zarvell::qt {
namespace {

// The toolkit's notes about the desktop it found (no runtime folder, no display) mean nothing
// to a command that only draws; real errors still go to standard error.
void QuietNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

void StartToolkit() {
  if (QCoreApplication::instance() != nullptr) return;
  qInstallMessageHandler(QuietNotes);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zarvell-cli";
  static char* argv[] = {name, nullptr};
  static const auto app = std::make_unique<QApplication>(argc, argv);
}

}  // namespace

bool PngPictures::WritePng(const std::string& path, ui::Size size,
                           const std::function<void(ui::Canvas&)>& draw) {
  StartToolkit();
  QtCanvas canvas(QSize(size.width, size.height));
  draw(canvas);
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !canvas.Image().save(&buffer, "PNG")) return false;
  return WriteFileAtomically(
      path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace zarvell::qt
