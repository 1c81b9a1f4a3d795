#include "wx_test_support.h"

#include <gtest/gtest.h>

#include <thread>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/event.h>
#include <wx/image.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

namespace vantor {
namespace {

wxMouseEvent MouseEvent(wxEventType type, wxWindow& window, wxPoint point) {
  wxMouseEvent event(type);
  event.SetPosition(point);
  event.SetEventObject(&window);
  event.SetId(window.GetId());
  event.m_leftDown = type == wxEVT_LEFT_DOWN;
  return event;
}

}  // namespace

void PumpEvents() {
  for (int round = 0; round < 5; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    while (wxTheApp->ProcessIdle()) {
    }
  }
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    PumpEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

void Click(wxWindow& button) {
  wxCommandEvent event(wxEVT_BUTTON, button.GetId());
  event.SetEventObject(&button);
  button.GetEventHandler()->ProcessEvent(event);
}

void PressMouseAt(wxWindow& window, wxPoint point) {
  wxMouseEvent down = MouseEvent(wxEVT_LEFT_DOWN, window, point);
  window.GetEventHandler()->ProcessEvent(down);
}

void ReleaseMouseAt(wxWindow& window, wxPoint point) {
  wxMouseEvent up = MouseEvent(wxEVT_LEFT_UP, window, point);
  window.GetEventHandler()->ProcessEvent(up);
}

void ClickAt(wxWindow& window, wxPoint point) {
  PressMouseAt(window, point);
  ReleaseMouseAt(window, point);
}

void MoveMouseTo(wxWindow& window, wxPoint point) {
  wxMouseEvent motion = MouseEvent(wxEVT_MOTION, window, point);
  window.GetEventHandler()->ProcessEvent(motion);
}

bool PressKey(wxWindow& focused, int keyCode) {
  wxKeyEvent key(wxEVT_CHAR_HOOK);
  key.m_keyCode = keyCode;
  key.SetEventObject(&focused);
  key.SetId(focused.GetId());
  return focused.GetEventHandler()->ProcessEvent(key);
}

wxColour PixelAt(const wxBitmap& bitmap, wxPoint point) {
  const wxImage image = bitmap.ConvertToImage();
  return wxColour(image.GetRed(point.x, point.y), image.GetGreen(point.x, point.y),
                  image.GetBlue(point.x, point.y));
}

ModalWatch::ModalWatch(std::function<bool(wxWindow&)> isTheDialog,
                       std::function<void(wxWindow&)> action)
    : m_isTheDialog(std::move(isTheDialog)), m_action(std::move(action)) {
  // The timer fires inside the modal loop; it looks for the dialog until it
  // is there, and gives up after a few seconds rather than hang the test.
  m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Look(); });
  m_timer.Start(20);
}

ModalWatch::~ModalWatch() {
  m_timer.Stop();
  if (!m_over) ADD_FAILURE() << "no modal dialog came up while the watch lasted";
}

void ModalWatch::Look() {
  if (m_over) return;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog && dialog->IsModal() && m_isTheDialog(*dialog)) {
      m_over = true;
      m_timer.Stop();
      m_action(*dialog);
      return;
    }
  }
  if (++m_tries > 250) {
    m_over = true;
    m_timer.Stop();
    ADD_FAILURE() << "the dialog never came up";
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal())
        dialog->EndModal(wxID_ABORT);
  }
}

}  // namespace vantor
