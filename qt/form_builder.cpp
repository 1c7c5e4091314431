// The widget factory: one real widget per control, placed at the control's design position
// relative to its parent (the window's client area, a group box or a notebook page).
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <string_view>

#include "qt/form_view.h"
#include "qt/property_sync.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"

namespace zarvell::qt {
namespace {

using ui::ControlIndex;
using ui::ControlKind;

// Tool-bar glyphs: the desktop theme's icon where there is one, else Qt's own.
QIcon ToolIcon(std::string_view name, const QStyle& style) {
  struct Glyph {
    std::string_view control;
    const char* theme;
    QStyle::StandardPixmap fallback;
  };
  static constexpr Glyph kGlyphs[] = {
      {"SpeedButton6", "document-new", QStyle::SP_FileIcon},
      {"SpeedButtonOpen", "document-open", QStyle::SP_DialogOpenButton},
      {"SpeedButtonSave", "document-save", QStyle::SP_DialogSaveButton},
      {"SpeedButtonPrint", "document-print", QStyle::SP_FileDialogDetailedView},
      {"SpeedButtonZpet", "edit-undo", QStyle::SP_ArrowBack},
      {"SpeedButtonZnovu", "edit-redo", QStyle::SP_ArrowForward},
  };
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.control == name) {
      return QIcon::fromTheme(glyph.theme, style.standardIcon(glyph.fallback));
    }
  }
  return {};
}

class Builder {
 public:
  Builder(FormView& view, FormRoot rootKind, QWidget* parent);
  void Build();

 private:
  QWidget* Container(ControlIndex parent) const;
  QWidget* MakeWidget(ControlIndex id);
  void AddMenuEntry(ControlIndex id);
  QMenuBar* MenuBar();

  FormView& v_;
  MainWindow* main_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::vector<bool> hasChildren_;
  std::vector<QMenu*> menus_;
  std::vector<EditBox*> edits_;
  std::vector<QKeySequence> shortcuts_;
};

Builder::Builder(FormView& view, FormRoot rootKind, QWidget* parent)
    : v_(view), hasChildren_(view.model.size()), menus_(view.model.size()) {
  const std::size_t count = v_.model.size();
  v_.widgets.assign(count, nullptr);
  v_.actions.assign(count, nullptr);
  for (const ControlIndex id : ControlIds(v_.model)) {
    const ControlIndex up = v_.model[id].parent;
    if (up != ui::kNoControl) hasChildren_[up] = true;
  }
  if (rootKind == FormRoot::MainWindow) {
    main_ = new MainWindow(parent);
    v_.root.reset(main_);
    // A screen smaller than the window scrolls the fixed layout instead of squeezing it.
    auto* scroll = new QScrollArea(main_);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    v_.content = new QWidget;
    scroll->setWidget(v_.content);
    main_->setCentralWidget(scroll);
  } else {
    auto* dialog = new QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowCloseButtonHint);
    v_.root.reset(dialog);
    v_.content = dialog;
  }
}

void Builder::Build() {
  const ui::ControlModel& model = v_.model;
  for (const ui::ControlIndex id : ControlIds(model)) {
    const ControlKind kind = model[id].kind;
    if (kind == ControlKind::MenuItem || kind == ControlKind::MenuSeparator) {
      AddMenuEntry(id);
      continue;
    }
    QWidget* widget = MakeWidget(id);
    if (widget == nullptr) continue;
    widget->setObjectName(ToQString(model.Name(id)));
    v_.widgets[id] = widget;
  }
  for (EditBox* edit : edits_) edit->menuShortcuts = shortcuts_;
  // Labels and images are drawn on their parent beneath the windowed controls, as they were
  // designed: the selection overlay lies under the map's edit boxes, for instance. Lowering
  // them last-first keeps their own order.
  for (std::size_t i = model.size(); i-- > 0;) {
    const auto id = static_cast<ControlIndex>(i);
    const ControlKind kind = model[id].kind;
    if ((kind == ControlKind::Label || kind == ControlKind::Image) && v_.widgets[id] != nullptr) {
      v_.widgets[id]->lower();
    }
  }
}

QWidget* Builder::Container(ControlIndex parent) const {
  if (parent == ui::kNoControl || parent == v_.form) return v_.content;
  return v_.widgets[parent] != nullptr ? v_.widgets[parent] : v_.content;
}

QMenuBar* Builder::MenuBar() {
  if (menuBar_ == nullptr)
    menuBar_ = main_ != nullptr ? main_->menuBar() : new QMenuBar(v_.root.get());
  return menuBar_;
}

void Builder::AddMenuEntry(ControlIndex id) {
  const ui::Control& c = v_.model[id];
  QMenu* menu = c.parent != ui::kNoControl ? menus_[c.parent] : nullptr;
  QWidget* owner = menu != nullptr ? static_cast<QWidget*>(menu) : MenuBar();
  QAction* action = nullptr;
  if (c.kind == ControlKind::MenuSeparator) {
    action = new QAction(owner);
    action->setSeparator(true);
  } else if (hasChildren_[id]) {
    QMenu* sub = new QMenu(owner);
    sub->setObjectName(ToQString(v_.model.Name(id)));
    menus_[id] = sub;
    action = sub->menuAction();
  } else {
    action = new QAction(owner);
    if (!c.shortcut.empty()) {
      action->setShortcut(QKeySequence(ToQString(c.shortcut), QKeySequence::PortableText));
      shortcuts_.push_back(action->shortcut());
    }
  }
  action->setObjectName(ToQString(v_.model.Name(id)));
  owner->addAction(action);
  v_.actions[id] = action;
}

QWidget* Builder::MakeWidget(ControlIndex id) {
  const ui::Control& c = v_.model[id];
  switch (c.kind) {
    case ControlKind::Form:
      v_.form = id;
      return v_.root.get();
    case ControlKind::MainMenu:
      return MenuBar();
    case ControlKind::StatusBar:
      return main_ != nullptr ? main_->statusBar() : new QStatusBar(v_.root.get());
    case ControlKind::None:
    case ControlKind::MenuItem:
    case ControlKind::MenuSeparator:
      return nullptr;
    default:
      break;
  }
  QWidget* parent = Container(c.parent);
  switch (c.kind) {
    case ControlKind::Notebook:
      return new QTabWidget(parent);
    case ControlKind::Page: {
      auto* page = new QWidget;
      if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
        tabs->addTab(page, QString());
      } else {
        page->setParent(parent);
      }
      return page;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(parent);
    case ControlKind::Label: {
      auto* label = new ClickLabel(parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      // A label designed taller than one line (the status message) wraps its text.
      label->setWordWrap(c.rect.height >= 2 * label->fontMetrics().height());
      return label;
    }
    case ControlKind::Edit: {
      auto* edit = new EditBox(parent);
      edits_.push_back(edit);
      return edit;
    }
    case ControlKind::UpDown:
    case ControlKind::SpinButton:
      return new ArrowPair(parent);
    case ControlKind::CheckBox:
      return new CheckBox(parent);
    case ControlKind::ComboBox:
      return new ComboBox(parent);
    case ControlKind::RadioGroup:
      return new RadioGroupBox(parent);
    case ControlKind::RadioButton: {
      auto* button = new RadioButton(parent);
      button->setAutoExclusive(false);  // the model unchecks the others
      return button;
    }
    case ControlKind::TrackBar: {
      auto* slider = new QSlider(Qt::Horizontal, parent);
      slider->setTickPosition(QSlider::TicksBelow);
      return slider;
    }
    case ControlKind::Gauge:
      return new QProgressBar(parent);
    case ControlKind::Image:
      return new ImageWidget(parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::ToolButton: {
      auto* button = new QToolButton(parent);
      const QIcon icon = ToolIcon(v_.model.Name(id), *button->style());
      if (!icon.isNull()) {
        button->setIcon(icon);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      }
      return button;
    }
    default:
      return nullptr;
  }
}

}  // namespace

FormView::~FormView() {
  root.reset();
}

ImageWidget* FormView::Image(ui::ControlIndex id) const {
  return id < widgets.size() ? dynamic_cast<ImageWidget*>(widgets[id]) : nullptr;
}

std::unique_ptr<FormView> BuildForm(ui::ControlModel& model, ui::FormEvents& events,
                                    FormRoot rootKind, QWidget* parent) {
  auto view = std::make_unique<FormView>(model, events);
  Builder(*view, rootKind, parent).Build();
  ApplyAll(*view);
  FitContent(*view);
  return view;
}

void FitContent(FormView& view) {
  if (view.content == view.root.get()) return;  // a dialog keeps its design size
  QSize extent;
  for (const ui::ControlIndex id : ControlIds(view.model)) {
    const ui::Control& c = view.model[id];
    const bool placed = c.kind != ControlKind::StatusBar && c.kind != ControlKind::MainMenu &&
                        c.kind != ControlKind::MenuItem && c.kind != ControlKind::MenuSeparator;
    if (c.parent == view.form && placed) {
      extent = extent.expandedTo(QSize(c.rect.left + c.rect.width, c.rect.top + c.rect.height));
    }
  }
  view.content->setMinimumSize(extent);
}

}  // namespace zarvell::qt
