#include "qt/screenshots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "qt/program.h"

namespace zarvell::qt {

void Settle(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

namespace {

// Lets the event loop run until `done` holds or `limit` milliseconds have passed.
template <typename Done>
bool SettleUntil(Done done, int limit) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limit) return false;
    Settle(5);
  }
  return true;
}

bool Shot(const FormView& view, const QString& dir, const QString& prefix, const char* name) {
  return view.root->grab().save(QStringLiteral("%1/%2-%3.png").arg(dir, prefix, name));
}

// The configurations that change the most through the view rules, reached as a user reaches
// them: the hand-made bike with a single lobe and with the 48-2 wheel, a clutch master on
// input 2, and the servo page with the servo on and off.
struct Step {
  enum class Kind { Page, Select, Click } kind;
  const char* control;
  int value = 0;
};
struct Scene {
  const char* name;
  std::vector<Step> steps;
};

bool SaveScenes(Program& program, const QString& dir, const QString& prefix,
                const std::vector<Scene>& scenes) {
  using K = Step::Kind;
  FormView& view = program.view();
  bool saved = true;
  for (const Scene& scene : scenes) {
    for (const Step& step : scene.steps) {
      const ui::ControlIndex id = view.model.Find(step.control);
      if (id == ui::kNoControl) return false;
      program.hub().Run(
          [&] {
            switch (step.kind) {
              case K::Page:
                return ui::DeliverPage(view.model, view.events, id, step.value);
              case K::Select:
                return ui::DeliverSelect(view.model, view.events, id, step.value);
              case K::Click:
                return ui::DeliverClick(view.model, view.events, id);
            }
          },
          &view, id);
    }
    Settle(200);
    if (scene.name != nullptr) saved = Shot(view, dir, prefix, scene.name) && saved;
  }
  return saved;
}

bool SaveSceneShots(Program& program, const QString& dir, const QString& prefix) {
  using K = Step::Kind;
  return SaveScenes(
      program, dir, prefix,
      {{"bike22-synchro0",
        {{K::Page, "PageControl1", 1},
         {K::Select, "ComboBoxBike", 37},
         {K::Select, "ComboBoxSynchro", 0}}},
       {"bike22-synchro8", {{K::Select, "ComboBoxSynchro", 8}}},
       {"input2-clutch", {{K::Page, "PageControl1", 0}, {K::Select, "RadioGroupInput2", 3}}},
       {"servo-on", {{K::Page, "PageControl1", 3}, {K::Click, "CheckBoxPrivEnable"}}},
       {"servo-off", {{K::Click, "CheckBoxPrivEnable"}}}});
}

// The 3D view with the engine running, from both preset angles, filled or as lines, coloured
// by height or plain; then back to the table.
bool Save3DShots(Program& program, const QString& dir, const QString& prefix) {
  using K = Step::Kind;
  return SaveScenes(program, dir, prefix,
                    {{"3d-iso", {{K::Click, "AMapModeGraph3D"}}},
                     {"3d-top", {{K::Click, "A3DviewTOP"}}},
                     {"3d-top-lines", {{K::Click, "CheckFill"}}},
                     {"3d-iso-lines", {{K::Click, "A3DviewISO"}}},
                     {"3d-iso-plain", {{K::Click, "CheckFill"}, {K::Click, "CheckColorMap"}}},
                     {nullptr, {{K::Click, "CheckColorMap"}, {K::Click, "AMapForm"}}}});
}

}  // namespace

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
  saved = SaveSceneShots(program, dir, prefix) && saved;
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

bool SaveLinkShots(Program& program, const QString& dir, const QString& prefix) {
  FormView& view = program.view();
  const ui::ControlIndex notebook = view.model.Find("PageControl1");
  const ui::ControlIndex programButton = view.model.Find("BitBtnProgram");
  const ui::ControlIndex gauge = view.model.Find("CGaugeProgram");
  const TFormHlav& window = program.window();
  constexpr int kMapPage = 2;
  program.hub().Run([&] { ui::DeliverPage(view.model, view.events, notebook, kMapPage); }, &view,
                    notebook);
  // A few live replies, so the labels and the marked cell have settled.
  bool ok = SettleUntil([&] { return window.live().rpm != 0; }, 3000);
  Settle(800);
  ok = Shot(view, dir, prefix, "live") && ok;
  ok = Save3DShots(program, dir, prefix) && ok;

  program.hub().Run([&] { ui::DeliverClick(view.model, view.events, programButton); }, &view,
                    programButton);
  ok = SettleUntil([&] { return view.model[gauge].position >= 1; }, 3000) && ok;
  ok = Shot(view, dir, prefix, "programming") && ok;
  ok = SettleUntil([&] { return view.model[gauge].position >= 40; }, 5000) && ok;
  return Shot(view, dir, prefix, "saving") && ok;
}

}  // namespace zarvell::qt
