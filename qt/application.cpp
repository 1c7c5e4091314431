#include "qt/application.h"

#include <QWidget>
#include <cstdio>
#include <exception>

#include "qt/event_hub.h"

namespace zarvell::qt {

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Report(error.what());
  } catch (...) {
    Report(EventHub::kUnknownError);
  }
  return false;
}

void Application::Report(const char* what) {
  if (onError) {
    onError(what);
  } else {
    std::fprintf(stderr, "zarvell: %s\n", what);
  }
}

}  // namespace zarvell::qt
