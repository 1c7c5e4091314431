#include "doctor_probe.h"

#include "link/unit_info.h"
#include "runner.h"

namespace zarvell::cli::doctor {
namespace {

std::string Versions(int unitVersion) {
  std::string text = link::VersionsText(unitVersion);
  return text.erase(0, text.find_first_not_of(' '));
}

}  // namespace

ProbeResult Probe(link::SerialPort& port, const std::string& device) {
  if (!port.Open(device)) {
    return {false, "cannot be opened: it has gone, is no serial port, or another program has it"};
  }
  Session session(kStartupBike);
  Runner runner(port, session);
  int liveVersion = 0;
  const bool live = runner.Monitor([&](const link::MonitorValues& values) {
    liveVersion = values.unitVersion;
    return false;
  });
  if (Stopped()) return {false, "interrupted"};
  if (!live) {
    return {false,
            "no unit answers within two seconds: check that it is powered (ignition on), the "
            "cable and its plugs, and that this is the port the cable is on"};
  }
  // A read is the one request a unit answers with its identification; it changes nothing.
  const link::TransferEvent event = runner.Transfer(link::TransferMode::Reading);
  const link::BlockTransfer& transfer = runner.transfer();
  if (event == link::TransferEvent::None ||
      (event == link::TransferEvent::Failed && transfer.command() == link::code::kReadBlock0)) {
    return {true, "a unit answers with live values (" + Versions(liveVersion) +
                      "), but not with its identification"};
  }
  const link::UnitInfoBlock& block = transfer.unitInfo();
  const link::UnitInfo info = link::DecodeUnitInfo(block);
  std::string text = "a unit answers: " + info.name + " of " + info.date + " " + info.time + " (" +
                     Versions(block[link::unit_info::kVersion]) + ")";
  if (event == link::TransferEvent::VersionMismatch) {
    text += "; it runs another program version, so this Zarvell cannot read or program it";
  } else if (event == link::TransferEvent::ReadRefused) {
    text += "; it forbids reading its set";
  }
  return {true, text};
}

}  // namespace zarvell::cli::doctor
