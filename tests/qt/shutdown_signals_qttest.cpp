// The signals that end the window: the first one reaches the event loop as a call with its
// number, once, whatever follows; a second one before the program is gone ends it at once.
#include "qt/shutdown_signals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <vector>

namespace zarvell::qt {
namespace {

// Events until `done`, or `ms` milliseconds as a guard against a broken notifier.
template <typename Done>
void ProcessUntil(Done done, int ms = 5000) {
  QElapsedTimer guard;
  guard.start();
  while (!done() && guard.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(ShutdownSignals, EachSignalStartsTheShutDownOnceFromTheEventLoop) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    std::vector<int> calls;
    const ShutdownSignals shutdown([&calls](int number) { calls.push_back(number); });
    std::raise(signal);
    EXPECT_TRUE(calls.empty()) << "not inside the handler";
    ProcessUntil([&] { return !calls.empty(); });
    ProcessUntil([] { return false; }, 200);  // and nothing more comes
    EXPECT_EQ(calls, std::vector<int>{signal});
  }
}

TEST(ShutdownSignalsDeathTest, ASecondSignalEndsTheProgramAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    EXPECT_EXIT(
        {
          const ShutdownSignals shutdown([](int) { std::_Exit(0); });
          std::raise(signal);  // the shut-down has not run yet: the event loop has not turned
          std::raise(signal);
          std::_Exit(3);
        },
        ::testing::KilledBySignal(signal), "");
  }
}

}  // namespace
}  // namespace zarvell::qt
