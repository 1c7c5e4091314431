// The Qt application object of the program: an exception that escapes any event handler, a
// widget's own included, is caught at the event loop and reported, and the program goes on.
#pragma once

#include <QApplication>
#include <functional>

namespace zarvell::qt {

class Application final : public QApplication {
 public:
  using QApplication::QApplication;

  // Shows an escaped exception's message; stderr until the program sets it.
  std::function<void(const char* what)> onError;

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Report(const char* what);
};

}  // namespace zarvell::qt
