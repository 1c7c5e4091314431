// What the window shows of the running engine: the monitoring labels and gauges filled from a
// monitor reply, and the map, axis and servo entries nearest the live operating point.
#pragma once

#include <cstdint>

#include "app/texts/text_table.h"
#include "link/monitor_reply.h"
#include "params/image.h"
#include "ui/control_model.h"

namespace zarvell::link {

// The last accepted reply's values that other parts of the window read, and where the
// highlight found the operating point.
struct LiveState {
  std::uint16_t rpm = 0;
  std::uint8_t tpsPercent = 0;
  std::uint16_t tpsMv = 0;
  std::uint16_t saveCountdown = 0;
  std::uint8_t rpmIndex = 0;    // map column nearest the speed
  std::uint8_t servoIndex = 0;  // servo curve point nearest the speed
  std::uint8_t tpsIndex = 0;    // map row nearest the throttle
  bool belowRpmAxis = false;    // the speed lies below the first map breakpoint
};

// Takes a decoded monitor reply into `live` and the labels and gauges of the main window.
void ShowMonitorValues(const MonitorValues& values, const ParameterImage& image,
                       const TextTable& texts, LiveState& live, ui::ControlModel& controls);

// Finds the operating point on the map's RPM axis, the servo RPM axis and the throttle axis,
// and colours the 100 map cells and the 40 axis entries. Runs on every tick.
void HighlightOperatingPoint(const ParameterImage& image, LiveState& live,
                             ui::ControlModel& controls);

}  // namespace zarvell::link
