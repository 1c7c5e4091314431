// Answers the modal boxes a test provokes: polls for a visible QMessageBox (or any dialog with
// a given object name), writes down what it showed and presses a button, so a test that opens
// one unexpectedly fails instead of hanging.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace zarvell::testutil {

class ModalAnswerer {
 public:
  explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
  // Dialogs other than message boxes are handed to this, then left to it.
  std::function<void(QDialog&)> onDialog;

  const std::vector<std::string>& texts() const { return texts_; }
  const std::vector<std::string>& titles() const { return titles_; }

 private:
  void Poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible() || handled_.contains(dialog)) continue;
      handled_.push_back(dialog);
      titles_.push_back(dialog->windowTitle().toStdString());
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        texts_.push_back(box->text().toStdString());
        QAbstractButton* button = box->button(answer_);
        if (button != nullptr) {
          button->click();
        } else {
          box->reject();
        }
      } else if (onDialog) {
        onDialog(*dialog);
      }
    }
    // A closed dialog may be replaced by a new one at the same address.
    handled_.removeIf([](const QPointer<QDialog>& d) { return d.isNull() || !d->isVisible(); });
  }

  QMessageBox::StandardButton answer_;
  QTimer timer_;
  QList<QPointer<QDialog>> handled_;
  std::vector<std::string> texts_;
  std::vector<std::string> titles_;
};

}  // namespace zarvell::testutil
