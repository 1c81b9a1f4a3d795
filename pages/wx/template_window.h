// Builds a window's controls from its dialog-unit template and keeps them
// placed: dialog units become pixels with the top-level window's font, and
// controls that need more room than the template gives them grow (see
// GrowToFit) instead of being clipped.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/window.h>

#include "pages/dialog_template.h"
#include "pages/template_layout.h"

namespace vantor {

// The window id of a template id: the standard OK and Cancel ids for 1 and
// 2, an id of wx's own for controls without one.
wxWindowID WxIdOf(int templateId);

class CTemplateLayout {
 public:
  // Makes the template's labels, buttons and group boxes as children of the
  // window; Custom controls are made by the window and attached.
  void CreateControls(wxWindow& window, const DialogTemplate& layout);
  // Both are false, and change nothing, for an id the template lacks (or
  // before CreateControls).
  bool Attach(int id, wxWindow& control);
  // Room a control needs when its best size does not tell (a grid's rows).
  bool SetNeededSize(int id, wxSize size);
  wxWindow* Control(int id) const;

  // Places every control and gives the window the size it needs: a page
  // gets it as its minimum size, a dialog as its client size.
  void Place();
  // Lays the controls out again for the window's present size.
  void FollowSize();

  const GrownLayout& Grown() const { return m_grown; }

 private:
  std::optional<std::size_t> IndexOf(int id) const;

  wxWindow* m_window = nullptr;
  const DialogTemplate* m_template = nullptr;
  std::vector<wxWindow*> m_controls;
  std::vector<std::optional<wxSize>> m_needed;
  GrownLayout m_grown;
};

}  // namespace vantor
