// What the window shows of the running engine: the monitoring labels and gauges filled from a
// monitor reply, in the current language.
#pragma once

#include "design/texts/text_table.h"
#include "link/monitor_reply.h"
#include "link/operating_point.h"
#include "params/image.h"
#include "ui/control_model.h"

namespace zarvell {

// Takes a decoded monitor reply into `live` and the labels and gauges of the main window.
void ShowMonitorValues(const link::MonitorValues& values, const ParameterImage& image,
                       const TextTable& texts, link::LiveState& live, ui::ControlModel& controls);

}  // namespace zarvell
