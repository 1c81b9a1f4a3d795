#include "panel/input_watch.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/evtloopsrc.h>

#include <functional>

namespace vantor {

#if wxUSE_EVENTLOOP_SOURCE

class CInputWatch::FdWatch final : public wxEventLoopSourceHandler {
 public:
  FdWatch(int fd, DescriptorInput& source, MouseReportHandler& handler,
          std::function<void(FdWatch*)> onGone)
      : m_fd(fd), m_mice(source), m_handler(handler), m_onGone(std::move(onGone)) {
    m_source.reset(wxEventLoopBase::AddSourceForFD(
        fd, this, wxEVENT_SOURCE_INPUT | wxEVENT_SOURCE_EXCEPTION));
  }

  void OnReadWaiting() override { Read(); }
  void OnWriteWaiting() override {}
  // An unplugged node reports a hang-up; reading it lets the source drop it.
  void OnExceptionWaiting() override { Read(); }

 private:
  void Read() {
    if (m_gone || m_mice.ReadReady(m_fd, m_handler)) return;
    // The node is gone and its descriptor closed; the watch goes right
    // after this callback, before the loop could poll the dead descriptor.
    m_gone = true;
    m_onGone(this);
  }

  int m_fd;
  DescriptorInput& m_mice;
  MouseReportHandler& m_handler;
  std::function<void(FdWatch*)> m_onGone;
  bool m_gone = false;
  std::unique_ptr<wxEventLoopSource> m_source;
};

#else

// A port whose loop cannot watch descriptors (wx for Windows) has no
// descriptor-driven mouse source: its sources take window messages.
class CInputWatch::FdWatch {};

#endif

CInputWatch::CInputWatch(MouseSource& source, MouseReportHandler& handler)
    : m_source(source.Descriptors()), m_handler(handler), m_alive(std::make_shared<bool>(true)) {}

CInputWatch::~CInputWatch() = default;

void CInputWatch::Rewatch() {
  m_watches.clear();
  ++m_generation;
#if wxUSE_EVENTLOOP_SOURCE
  if (!m_source) return;
  auto onGone = [this, alive = std::weak_ptr<bool>(m_alive), generation = m_generation](FdWatch* gone) {
    wxTheApp->CallAfter([this, alive, generation, gone] {
      // A Rewatch in between has dropped the watch already.
      if (alive.expired() || generation != m_generation) return;
      std::erase_if(m_watches, [gone](const auto& watch) { return watch.get() == gone; });
    });
  };
  for (int fd : m_source->Fds())
    m_watches.push_back(std::make_unique<FdWatch>(fd, *m_source, m_handler, onGone));
#endif
}

}  // namespace vantor
