#include "ui/scripted_host.h"

#include <stdexcept>

#include "ui/control_model.h"
#include "ui/form_events.h"

namespace zarvell::ui {

MessageAnswer ScriptedHost::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageButtons buttons, MessageIcon icon) {
  MessageAnswer answer = buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  messages_.push_back({std::string(text), std::string(caption), buttons, answer, icon});
  return answer;
}

std::optional<std::string> ScriptedHost::NextPath(const FileDialogRequest& request, bool save) {
  dialogs_.push_back({save, request});
  if (paths_.empty()) return std::nullopt;
  std::optional<std::string> queued = std::move(paths_.front());
  paths_.pop_front();
  if (!queued) return std::nullopt;
  std::string path = std::move(*queued);
  const std::size_t name = path.find_last_of('/') + 1;  // 0 when there is no folder
  if (!request.defaultExtension.empty() && path.find('.', name) == std::string::npos) {
    path += "." + request.defaultExtension;
  }
  return path;
}

std::optional<std::string> ScriptedHost::OpenFileDialog(const FileDialogRequest& request) {
  return NextPath(request, false);
}

std::optional<std::string> ScriptedHost::SaveFileDialog(const FileDialogRequest& request) {
  return NextPath(request, true);
}

class ScriptedHost::Printer final : public PrintJob {
 public:
  explicit Printer(ScriptedHost& host) : host_(host) {}
  void PrintSheet(const ControlModel& form) override {
    if (host_.onSheet) host_.onSheet();
    const int sheet = ++host_.sheetsTried_;
    if (sheet == host_.failingSheet_) {
      throw std::runtime_error("The printer failed on sheet " + std::to_string(sheet) + ".");
    }
    host_.sheets_.push_back(form);
  }
  std::string Finish() override { return {}; }

 private:
  ScriptedHost& host_;
};

std::unique_ptr<PrintJob> ScriptedHost::StartPrintJob(std::string_view) {
  return std::make_unique<Printer>(*this);
}

void ScriptedHost::MovePointer(ControlIndex control, Point point) {
  moves_.emplace_back(control, point);
}

bool ScriptedHost::OpenDocument(std::string_view path) {
  opened_.emplace_back(path);
  return openDocumentResult_;
}

// A canvas has the size its image control has whenever it is asked for.
Canvas& ScriptedHost::CanvasOf(const ControlModel& form, ControlIndex image) {
  auto& canvas = canvases_[{&form, image}];
  const Size size{form[image].rect.width, form[image].rect.height};
  if (!canvas) canvas = std::make_unique<RecordingCanvas>(size);
  canvas->SetSurfaceSize(size);
  return *canvas;
}

RecordingCanvas* ScriptedHost::FindCanvas(const ControlModel& form, ControlIndex image) {
  const auto it = canvases_.find({&form, image});
  return it == canvases_.end() ? nullptr : it->second.get();
}

void ScriptedHost::ShowModalForm(ControlModel&, FormEvents& events) {
  ++modalFormsShown_;
  events.OnShow();
}

}  // namespace zarvell::ui
