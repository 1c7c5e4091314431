#include "qt/qt_host.h"

#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "qt/print_job.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"

namespace zarvell::qt {

QStringList NameFilters(std::string_view filter) {
  const QStringList parts = ToQString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i].trimmed();
    // Qt reads the patterns from the name's last parentheses, so a name that already shows
    // them would show them twice.
    const qsizetype open = name.lastIndexOf(u'(');
    if (open >= 0 && name.endsWith(u')')) name = name.left(open).trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(u';', u' ');
    filters << QStringLiteral("%1 (%2)").arg(name, patterns);
  }
  return filters;
}

QWidget* QtHost::Owner() const {
  if (!modal_.empty()) return modal_.back()->root.get();
  // A box during start-up comes up over the window, not alone on the desktop.
  hub_.ShowFirstWindow();
  return main_ != nullptr ? main_->root.get() : nullptr;
}

void QtHost::EndStartup() {
  for (const ui::StartupMessages::Message& m : startup_.End()) {
    ShowMessage(m.text, m.caption, ui::MessageButtons::Ok, m.icon);
  }
}

ui::MessageAnswer QtHost::ShowMessage(std::string_view text, std::string_view caption,
                                      ui::MessageButtons buttons, ui::MessageIcon icon) {
  if (startup_.Defer(text, caption, buttons, icon)) return ui::MessageAnswer::Ok;
  QMessageBox box(Owner());
  if (icon == ui::MessageIcon::Error) box.setIcon(QMessageBox::Critical);
  box.setWindowTitle(ToQString(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(text));
  if (buttons == ui::MessageButtons::Ok) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return ui::MessageAnswer::Ok;
  }
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return ui::MessageAnswer::Yes;
    case QMessageBox::No:
      return ui::MessageAnswer::No;
    default:
      return ui::MessageAnswer::Cancel;  // also Escape and the close box
  }
}

std::optional<std::string> QtHost::RunFileDialog(const ui::FileDialogRequest& request, bool save) {
  QFileDialog dialog(Owner(), QString(), ToQString(request.initialDir));
  const QStringList filters = NameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(ToQString(request.defaultExtension));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToStdString(dialog.selectedFiles().front());
}

std::optional<std::string> QtHost::OpenFileDialog(const ui::FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::string> QtHost::SaveFileDialog(const ui::FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

ui::Modifiers QtHost::KeyboardModifiers() {
  const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
  return {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier)};
}

void QtHost::SetClipboardText(std::string_view text) {
  QGuiApplication::clipboard()->setText(ToQString(text));
}

std::string QtHost::ClipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void QtHost::MovePointer(ui::ControlIndex control, ui::Point point) {
  if (main_ == nullptr || control >= main_->widgets.size()) return;
  if (QWidget* widget = main_->widgets[control]) {
    QCursor::setPos(widget->screen(), widget->mapToGlobal(QPoint(point.x, point.y)));
  }
}

ui::Size QtHost::ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return {screen->size().width(), screen->size().height()};
}

ui::Rect QtHost::WorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

bool QtHost::OpenDocument(std::string_view path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(std::string(path), error);
  if (error || !std::filesystem::is_regular_file(absolute, error)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(absolute.native())));
}

ui::Canvas& QtHost::CanvasOf(const ui::ControlModel& form, ui::ControlIndex image) {
  FormView* view = main_ != nullptr && &main_->model == &form ? main_ : nullptr;
  for (FormView* modal : modal_) {
    if (&modal->model == &form) view = modal;
  }
  ImageWidget* widget = view != nullptr ? view->Image(image) : nullptr;
  if (widget == nullptr) {
    throw std::invalid_argument("no image control with index " + std::to_string(image));
  }
  // The model may have resized the control since the last sync.
  const ui::Rect& rect = form[image].rect;
  widget->canvas().Resize(QSize(rect.width, rect.height));
  return widget->canvas();
}

std::tm QtHost::LocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::unique_ptr<ui::PrintJob> QtHost::StartPrintJob(std::string_view setFile) {
  if (main_ == nullptr) throw std::logic_error("no window to print");
  return std::make_unique<QtPrintJob>(hub_, *main_, setFile, LocalTime());
}

void QtHost::RequestClose() {
  if (main_ != nullptr) main_->root->close();
}

void QtHost::ShowModalForm(ui::ControlModel& form, ui::FormEvents& events) {
  const std::unique_ptr<FormView> view = BuildForm(form, events, FormRoot::Dialog, Owner());
  auto* dialog = static_cast<QDialog*>(view->root.get());
  hub_.Attach(*view);
  modal_.push_back(view.get());
  hub_.Run([&events] { events.OnShow(); });
  dialog->exec();
  modal_.pop_back();
  hub_.Detach(*view);
}

void QtHost::CloseModalForm() {
  if (!modal_.empty()) static_cast<QDialog*>(modal_.back()->root.get())->done(QDialog::Accepted);
}

}  // namespace zarvell::qt
