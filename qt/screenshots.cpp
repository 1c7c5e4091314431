#include "qt/screenshots.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "qt/program.h"

namespace zarvell::qt {

void Settle(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool SaveScreenshots(Program& program, const QString& dir, const QString& prefix) {
  FormView& view = program.view();
  ui::ControlIndex notebook = ui::kNoControl;
  int pages = 0;
  for (const ui::ControlIndex id : ControlIds(view.model)) {
    const ui::Control& c = view.model[id];
    if (c.kind == ui::ControlKind::Notebook && notebook == ui::kNoControl) notebook = id;
    if (c.kind == ui::ControlKind::Page && c.parent == notebook) ++pages;
  }
  Settle(300);
  bool saved = true;
  for (int page = 0; page < pages; ++page) {
    program.hub().Run([&] { ui::DeliverPage(view.model, view.events, notebook, page); }, &view,
                      notebook);
    Settle(300);
    const QString file = QStringLiteral("%1/%2-%3.png").arg(dir, prefix).arg(page + 1);
    saved = view.root->grab().save(file) && saved;
  }
  // The About window, pictured from inside its own modal loop and then closed.
  const ui::ControlIndex about = view.model.Find("MenuAbout");
  if (about == ui::kNoControl) return saved;
  bool aboutSaved = false;
  QTimer::singleShot(300, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      aboutSaved = dialog->grab().save(QStringLiteral("%1/%2-about.png").arg(dir, prefix));
      dialog->close();
    }
  });
  program.hub().Run([&] { ui::DeliverClick(view.model, view.events, about); }, &view, about);
  return saved && aboutSaved;
}

}  // namespace zarvell::qt
