#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "app/settings.h"
#include "qt/program.h"
#include "qt/screenshots.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  zarvell::qt::ConfigureApplication();
  const std::vector<std::string> args(argv + 1, argv + argc);
  zarvell::qt::Program program(zarvell::DefaultConfigDir(), args);

  // ZARVELL_SCREENSHOT=<dir>: picture every page, then close as the user would.
  bool screenshotsSaved = true;
  if (const QString dir = qEnvironmentVariable("ZARVELL_SCREENSHOT"); !dir.isEmpty()) {
    const QString prefix =
        args.empty() ? QStringLiteral("default") : QString::fromStdString(args[0]).toLower();
    QTimer::singleShot(0, &program.mainWindow(), [&, dir, prefix] {
      screenshotsSaved = zarvell::qt::SaveScreenshots(program, dir, prefix);
      program.mainWindow().close();
    });
  }
  const int status = app.exec();
  return status == 0 && screenshotsSaved ? 0 : 1;
}
