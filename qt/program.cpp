#include "qt/program.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

#include "app/pictures.h"
#include "app/settings.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"
#include "ui/form_events.h"

namespace zarvell::qt {

void ConfigureApplication() {
  QApplication::setApplicationName(QStringLiteral("Zarvell"));
  // One style everywhere, so the fixed layout looks the same on every desktop.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
    QApplication::setStyle(style);
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  // The window icon is the emblem of the tool bar, drawn square so only its picture shows.
  QtCanvas icon(QSize(64, 64));
  DrawEmblem(icon);
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.Image())));
}

namespace {

ConfigPaths PathsOf(const std::filesystem::path& configDir,
                    std::vector<std::filesystem::path> manuals) {
  ConfigPaths paths = ConfigPathsIn(configDir);
  paths.manualDirs = std::move(manuals);
  return paths;
}

}  // namespace

Program::Program(const std::filesystem::path& configDir, std::span<const std::string> args,
                 link::SerialPort& port, std::vector<std::filesystem::path> manualDirs)
    : host_(hub_), form_(state_, host_, port, PathsOf(configDir, std::move(manualDirs))) {
  view_ = BuildForm(form_.controls(), form_, FormRoot::MainWindow, nullptr);
  host_.SetMainView(view_.get());
  hub_.Attach(*view_);
  static_cast<MainWindow*>(view_->root.get())->onClose = [this] { Close(); };

  // The start-up's message boxes wait until it is complete, then come up over the window as
  // the start-up left it (QtHost).
  host_.BeginStartup();
  hub_.Run([this, args] { form_.FormCreate(args); });
  view_->root->show();
  host_.EndStartup();
  // The first tick comes after a complete start-up, even when start-up showed a message.
  timer_.setInterval(ui::kTickPeriod);
  // Queued: Qt does not fire a timer again while its own handler runs, so a box opened inside a
  // tick would stop the ticks that must go on under it. The queued call returns to the timer at
  // once, and the box's event loop runs the next ones.
  QObject::connect(
      &timer_, &QTimer::timeout, &timer_, [this] { hub_.Run([this] { form_.OnTick(); }); },
      Qt::QueuedConnection);
  timer_.start();
}

Program::~Program() {
  timer_.stop();
  hub_.Detach(*view_);
  host_.SetMainView(nullptr);
  view_.reset();
}

// The close box and MenuExit (through RequestClose) both end here, once.
void Program::Close() {
  if (closed_) return;
  closed_ = true;
  timer_.stop();
  hub_.Run([this] { form_.FormClose(); });
}

}  // namespace zarvell::qt
