#include <QDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "link/posix_serial_port.h"
#include "qt/application.h"
#include "qt/program.h"
#include "qt/screenshots.h"
#include "qt/shutdown_signals.h"

namespace {

constexpr char kUsage[] =
    R"(Usage: zarvell [ENGLISH | DEUTSCH | FRANCE | CESKY]

The Zarvell ignition tool. The optional word sets the language of the window
for this run; the language in use is kept for the next start. Settings and
the parameter set on screen at exit are kept in $XDG_CONFIG_HOME/zarvell
(~/.config/zarvell when XDG_CONFIG_HOME is unset). Qt's own options, such
as -platform offscreen, are taken as well.
)";

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so they work without a display.
  if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  zarvell::qt::Application app(argc, argv);  // takes Qt's own options out of argv
  zarvell::qt::ConfigureApplication();
  const std::vector<std::string> args(argv + 1, argv + argc);
  zarvell::link::PosixSerialPort port;
  // After the working folder, the manuals are looked for beside the program, where its build
  // wrote them and where the installation put them, each relative to the program, so a build
  // folder and an installation under any prefix find their own.
  const QString bin = QCoreApplication::applicationDirPath();
  std::vector<std::filesystem::path> manuals;
  for (const char* relative : {".", ZARVELL_BUILT_MANUALS_FROM_BIN, ZARVELL_MANUAL_DIR_FROM_BIN}) {
    manuals.emplace_back(QDir::cleanPath(bin + u'/' + QLatin1String(relative)).toStdString());
  }
  // A logout, a closed terminal or Ctrl+C: the close box's shut-down, then out of every event
  // loop, a message box's included. Taken from before the window starts, whose start-up may
  // wait in a message box.
  int signalled = 0;
  zarvell::qt::Program* running = nullptr;
  const zarvell::qt::ShutdownSignals shutdownSignals([&running, &signalled](int signal) {
    signalled = signal;
    if (running != nullptr) running->mainWindow().close();
    QCoreApplication::exit(0);
  });
  zarvell::qt::Program program(zarvell::DefaultConfigDir(), args, port, std::move(manuals));
  running = &program;
  app.onError = [&program](const char* what) { program.hub().ShowError(what); };
  const int kSignalStatus = 128;  // as a shell reports a program that a signal ended
  if (signalled != 0) {
    program.mainWindow().close();
    return kSignalStatus + signalled;
  }

  // ZARVELL_SCREENSHOT=<dir>: picture every page, then close as the user would. With
  // ZARVELL_SCREENSHOT_UNIT set, picture the window talking to the unit instead.
  bool screenshotsSaved = true;
  if (const QString dir = qEnvironmentVariable("ZARVELL_SCREENSHOT"); !dir.isEmpty()) {
    const QString prefix =
        args.empty() ? QStringLiteral("default") : QString::fromStdString(args[0]).toLower();
    const bool unit = qEnvironmentVariableIsSet("ZARVELL_SCREENSHOT_UNIT");
    QTimer::singleShot(0, &program.mainWindow(), [&, dir, prefix, unit] {
      screenshotsSaved = unit ? zarvell::qt::SaveLinkShots(program, dir, prefix)
                              : zarvell::qt::SaveScreenshots(program, dir, prefix);
      program.mainWindow().close();
    });
  }
  const int status = app.exec();
  if (signalled != 0) return kSignalStatus + signalled;
  return status == 0 && screenshotsSaved ? 0 : 1;
}
