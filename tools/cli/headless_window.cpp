#include "headless_window.h"

namespace zarvell {

HeadlessWindow::HeadlessWindow(const std::filesystem::path& configDir,
                               const std::vector<std::string>& args, Com1 com1)
    : form(process, host, ports, ConfigPathsIn(configDir)) {
  if (com1 == Com1::Adapter) ports.Attach(kCom1, adapter);
  form.FormCreate(args);
}

void HeadlessWindow::Tick(int count) {
  for (int i = 0; i < count; ++i) {
    unit.Tick();
    form.Timer1Timer();
  }
}

}  // namespace zarvell
