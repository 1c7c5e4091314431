#include "sim/in_process_ports.h"

#include <array>

namespace zarvell::sim {

void InProcessPorts::Attach(const std::string& path, Device& device) {
  devices_.insert_or_assign(path, &device);
}

void InProcessPorts::Detach(const std::string& path) {
  devices_.erase(path);
}

bool InProcessPorts::Open(const std::string& device) {
  Close();
  openAttempts_.push_back(device);
  if (!devices_.contains(device)) return false;
  openPath_ = device;
  open_ = true;
  return true;
}

void InProcessPorts::Close() {
  if (!open_) return;
  PurgeReceive();
  open_ = false;
  openPath_.clear();
}

Device* InProcessPorts::Connected() const {
  if (!open_) return nullptr;
  const auto found = devices_.find(openPath_);
  return found == devices_.end() ? nullptr : found->second;
}

std::size_t InProcessPorts::BytesWaiting() {
  Device* device = Connected();
  return device ? device->Pending() : 0;
}

std::size_t InProcessPorts::Read(std::span<std::uint8_t> into) {
  Device* device = Connected();
  return device ? device->Take(into) : 0;
}

void InProcessPorts::WriteAndDrain(std::span<const std::uint8_t> bytes) {
  if (Device* device = Connected()) device->Receive(bytes);
}

void InProcessPorts::PurgeReceive() {
  Device* device = Connected();
  if (!device) return;
  std::array<std::uint8_t, 256> discard{};
  while (device->Take(discard) > 0) {
  }
}

}  // namespace zarvell::sim
