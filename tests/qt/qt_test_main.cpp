// One QApplication for all Qt tests, on the offscreen platform so no display is needed.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt/program.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  zarvell::qt::ConfigureApplication();
  return RUN_ALL_TESTS();
}
