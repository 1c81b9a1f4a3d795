// One mouse report as every mouse source hands it to the routing: the
// button-transition flags and the adapter it came from.
#pragma once

#include <cstdint>
#include <string_view>

namespace vantor {

struct MouseReport {
  std::uint16_t Flags = 0;  // ButtonFlags; 0 for a report with movement only
  // The DevicePath of the listed adapter whose mouse sent the report, as the
  // source worked it out when it began to watch that mouse (by the HID
  // device both nodes belong to on Linux, by the device-name rule on
  // Windows, by the path itself in simulation). Anything else, empty
  // included, is another mouse. Valid for the duration of the call only.
  std::string_view Source;
};

class MouseReportHandler {
 public:
  virtual ~MouseReportHandler() = default;
  virtual void OnRawMouseInput(const MouseReport& report) = 0;
  // The mouse of the adapter at source sends nothing more (it went away):
  // whatever its reports left held must go now.
  virtual void OnReportsEnd(std::string_view source) = 0;
};

}  // namespace vantor
