// One application object for all Qt tests, the program's own, on the offscreen platform so no
// display is needed.
#include <gtest/gtest.h>

#include "qt/application.h"
#include "qt/program.h"

int main(int argc, char** argv) {
  // Offscreen unless the caller chose a platform (a run under a virtual X server does).
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  zarvell::qt::Application app(argc, argv);
  zarvell::qt::ConfigureApplication();
  return RUN_ALL_TESTS();
}
