// The real program on the offscreen platform: the main window comes up at its design size with
// a widget for every control of the design, the language menu switches the captions, the About
// window opens and closes, and Exit runs the shut-down that saves the settings, with the size
// the user gave the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <string>

#include "design/main_controls.h"
#include "qt/program.h"
#include "qt/screenshots.h"
#include "sim/in_process_ports.h"
#include "tests/qt/input_events.h"
#include "tests/qt/modal_answer.h"
#include "tests/support/temp_dir.h"

namespace zarvell::qt {
namespace {

TEST(MainWindow, ComesUpWithEveryControlSwitchesLanguageAndSavesOnExit) {
  testutil::TempDir config;
  sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  testutil::ModalAnswerer answerer;
  std::vector<std::string> aboutTitles;
  answerer.onDialog = [&](QDialog& dialog) {
    aboutTitles.push_back(dialog.windowTitle().toStdString());
    auto* exit = dialog.findChild<QLabel*>(QStringLiteral("LabelExit"));
    ASSERT_NE(exit, nullptr);
    testutil::Click(exit, QPoint(2, 2));
  };
  {
    const std::vector<std::string> noArguments;
    Program program(config.path(), noArguments, com1.ports);
    QWidget& main = program.mainWindow();
    // The design size, cut to the screen's free area less the frame's allowance where that is
    // smaller: the offscreen platform's screen is 800 pixels wide.
    const QSize room = main.screen()->availableGeometry().size() - QSize(8, 36);
    EXPECT_EQ(main.size(), QSize(984, 703).boundedTo(room));
    EXPECT_TRUE(main.isVisible());

    const ui::ControlModel& model = program.window().controls();
    ASSERT_EQ(model.size(), design::kMainControlCount);
    EXPECT_EQ(main.objectName(), "FormHlav");
    for (std::size_t id = 1; id < design::kMainControlCount; ++id) {
      const QString name = QString::fromLatin1(design::kMainControlNames[id]);
      const ui::ControlKind kind = model[static_cast<ui::ControlIndex>(id)].kind;
      if (kind == ui::ControlKind::MenuItem || kind == ui::ControlKind::MenuSeparator) {
        EXPECT_NE(main.findChild<QAction*>(name), nullptr) << design::kMainControlNames[id];
      } else {
        EXPECT_NE(main.findChild<QWidget*>(name), nullptr) << design::kMainControlNames[id];
      }
    }

    // A hint with a bar: the tooltip shows its first part, the status bar its second.
    auto* rpmLabel = main.findChild<QWidget*>(QStringLiteral("LabelRpm1"));
    ASSERT_NE(rpmLabel, nullptr);
    EXPECT_EQ(rpmLabel->toolTip(), "Round per Minute");
    EXPECT_EQ(rpmLabel->statusTip(), "Speed - Round per Minute");

    auto* file = main.findChild<QAction*>(QStringLiteral("MenuFile"));
    auto* czech = main.findChild<QAction*>(QStringLiteral("MenuCzech"));
    auto* english = main.findChild<QAction*>(QStringLiteral("MenuEnglish"));
    ASSERT_TRUE(file && czech && english);
    EXPECT_EQ(file->text(), "&File");
    EXPECT_TRUE(english->isChecked());
    czech->trigger();
    EXPECT_EQ(file->text(), "&Soubor");
    EXPECT_EQ(main.findChild<QAction*>(QStringLiteral("MenuDevice"))->text(), "&Zapalování");
    EXPECT_TRUE(czech->isChecked());
    EXPECT_FALSE(english->isChecked());

    main.findChild<QAction*>(QStringLiteral("MenuAbout"))->trigger();
    EXPECT_EQ(aboutTitles, std::vector<std::string>{"O programu ZARVELL"});

    Settle(200);  // some ticks run
    main.resize(900, 650);
    main.findChild<QAction*>(QStringLiteral("MenuExit"))->trigger();
    EXPECT_FALSE(main.isVisible());
  }
  EXPECT_EQ(answerer.texts(), std::vector<std::string>{}) << "no message box was expected";
  const std::string settings = testutil::Slurp(config.path() / "Zarvell_v75.ini");
  EXPECT_NE(settings.find("Language=3"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Width=900"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Height=650"), std::string::npos) << settings;
}

}  // namespace
}  // namespace zarvell::qt
