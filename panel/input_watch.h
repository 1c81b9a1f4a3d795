// Watches the descriptors of a descriptor-driven mouse source from the wx
// main loop, which on GTK is GLib's: reports are read on the one thread as
// they come, in nested modal loops too (message boxes, the AutoFire dialog,
// Save As). A source of another kind leaves it nothing to watch.
#pragma once

#include <memory>
#include <vector>

#include "input/mouse_report.h"
#include "input/mouse_source.h"

namespace vantor {

class CInputWatch {
 public:
  CInputWatch(MouseSource& source, MouseReportHandler& handler);
  ~CInputWatch();
  CInputWatch(const CInputWatch&) = delete;
  CInputWatch& operator=(const CInputWatch&) = delete;

  // Drops the old watches and watches the source's descriptors of now;
  // after every WatchAdapters of the source.
  void Rewatch();

 private:
  class FdWatch;

  DescriptorInput* m_source;  // null: nothing to watch
  MouseReportHandler& m_handler;
  std::vector<std::unique_ptr<FdWatch>> m_watches;
  unsigned m_generation = 0;
  std::shared_ptr<bool> m_alive;  // lets a late removal see that we are gone
};

}  // namespace vantor
