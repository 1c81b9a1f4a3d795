// Helpers for GUI tests: running wx's pending work as the main loop would,
// and handing windows the events a user's clicks and keys would give them.
#pragma once

#include <chrono>
#include <functional>
#include <utility>

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/timer.h>
#include <wx/window.h>

namespace vantor {

// Handles pending events and idle work, several rounds, so that windows are
// laid out and painted.
void PumpEvents();

// Pumps until the condition holds or the time is up; gives the condition.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

// A click on a button, as its command event.
void Click(wxWindow& button);

// A left click at a point of the window's client area: press, then release.
void ClickAt(wxWindow& window, wxPoint point);
void PressMouseAt(wxWindow& window, wxPoint point);
void ReleaseMouseAt(wxWindow& window, wxPoint point);

// Moves the pointer over a point of the window, as a motion event.
void MoveMouseTo(wxWindow& window, wxPoint point);

// A key as it first arrives: the char hook, sent to the focused control and
// passed up through its parents. True when someone took it.
bool PressKey(wxWindow& focused, int keyCode);

// The colour of one pixel of a bitmap.
wxColour PixelAt(const wxBitmap& bitmap, wxPoint point);

// Runs action once a modal dialog that isTheDialog accepts is up, from inside its
// event loop; fails the test and ends the dialog when none comes within a
// few seconds. The watch lasts as long as the object: keep it until the
// dialog has ended; one that never saw its dialog fails the test when it goes.
class ModalWatch {
 public:
  ModalWatch(std::function<bool(wxWindow&)> isTheDialog, std::function<void(wxWindow&)> action);
  ~ModalWatch();
  ModalWatch(const ModalWatch&) = delete;
  ModalWatch& operator=(const ModalWatch&) = delete;

 private:
  void Look();

  std::function<bool(wxWindow&)> m_isTheDialog;
  std::function<void(wxWindow&)> m_action;
  wxTimer m_timer;
  int m_tries = 0;
  bool m_over = false;  // the dialog came, or the watch gave up
};

[[nodiscard]] inline ModalWatch WhenModal(std::function<bool(wxWindow&)> isTheDialog,
                                          std::function<void(wxWindow&)> action) {
  return ModalWatch(std::move(isTheDialog), std::move(action));
}

}  // namespace vantor
