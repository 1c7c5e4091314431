#include "headless_window.h"

namespace zarvell {

HeadlessWindow::HeadlessWindow(const std::filesystem::path& configDir,
                               const std::vector<std::string>& args, Com1 com1)
    : form(process, host, ports, ConfigPathsIn(configDir)) {
  if (com1 == Com1::Adapter) ports.Attach(kCom1, adapter);
  // A clock that stands still keeps printed stamps the same from run to run.
  std::tm clock{};
  clock.tm_year = 2026 - 1900;
  clock.tm_mon = 4;
  clock.tm_mday = 14;
  clock.tm_hour = 9;
  clock.tm_min = 30;
  host.SetLocalTime(clock);
  form.FormCreate(args);
}

void HeadlessWindow::Tick(int count) {
  for (int i = 0; i < count; ++i) {
    unit.Tick();
    form.Timer1Timer();
  }
}

}  // namespace zarvell
