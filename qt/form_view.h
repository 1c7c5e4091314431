// The widgets of one window, built from its control model: one widget or menu action per
// control, addressed by the control's index and named by its design name.
#pragma once

#include <memory>
#include <vector>

#include "ui/control_model.h"
#include "ui/form_events.h"

class QAction;
class QWidget;

namespace zarvell::qt {

class ImageWidget;

enum class FormRoot { MainWindow, Dialog };

struct FormView {
  FormView(ui::ControlModel& m, ui::FormEvents& e) : model(m), events(e) {}
  // Takes the widgets down while the tables they refer to still exist.
  ~FormView();
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  ImageWidget* Image(ui::ControlIndex id) const;

  ui::ControlModel& model;
  ui::FormEvents& events;
  ui::ControlIndex form = ui::kNoControl;  // the control that stands for the window itself
  std::unique_ptr<QWidget> root;           // the main window or the dialog; owns every widget
  QWidget* content = nullptr;              // the parent of the form's own controls
  std::vector<QWidget*> widgets;           // by control index; null for menu items
  std::vector<QAction*> actions;           // by control index; menu items and separators only
};

// Every control index of a model, parents before their children.
class ControlIds {
 public:
  explicit ControlIds(const ui::ControlModel& model)
      : end_(static_cast<ui::ControlIndex>(model.size())) {}
  struct Iterator {
    ui::ControlIndex id;
    ui::ControlIndex operator*() const { return id; }
    Iterator& operator++() {
      ++id;
      return *this;
    }
    bool operator==(const Iterator&) const = default;
  };
  Iterator begin() const { return {0}; }
  Iterator end() const { return {end_}; }

 private:
  ui::ControlIndex end_;
};

// Builds the widgets and shows the model's present state in them. Events are not connected.
std::unique_ptr<FormView> BuildForm(ui::ControlModel& model, ui::FormEvents& events,
                                    FormRoot rootKind, QWidget* parent);

// The scrollable content area takes the extent of the form's controls.
void FitContent(FormView& view);

}  // namespace zarvell::qt
